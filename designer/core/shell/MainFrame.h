#pragma once
// The designer's main window: the top banner, the step tree and the form of
// the selected step in fixed panes, the menu with its commands, and the
// project list with the open project. Every other part of the designer
// reaches it through theMainFrame.
#include <windows.h>

#include <memory>
#include <string>

#include "DesignerHost.h"
#include "FixedSplitter.h"
#include "ProjectFlow.h"
#include "ProjectList.h"
#include "ScreenScale.h"
#include "SettingsForm.h"
#include "SystemProjectFiles.h"
#include "TopForm.h"
#include "TreeForm.h"
#include "VisualStyles.h"
#include "Window.h"

class CMainFrame : public wingui::CWindow, public IDesignerHost, private IProjectViews {
public:
    static constexpr const char* kWindowClass = "Discwell";

    explicit CMainFrame(const std::string& designerDirectory);
    ~CMainFrame() override;

    // The window with its panes, sized for the screen and centred (hidden).
    bool Create();
    // The project to work on; false when the program must end.
    bool ChooseStartupProject() { return flow_.ChooseStartupProject(); }

    // IDesignerHost
    CDiscSettings* CurrentProject() override { return projects_.Current(); }
    CSettings* CurrentRecord() override { return currentRecord_; }
    int ViewMode() const override { return viewMode_; }
    void ProjectChanged() override;
    void ShowFormFor(CSettings* record) override;
    void SaveShownForm() override;
    void ForgetShownRecord() override;
    void UpdateFormTitle() override;
    void ShowHelp(int context) override;

    CProjectList& Projects() { return projects_; }
    CTreeForm& TreeForm() { return treeForm_; }
    CVisualStyles& VisualStyles() { return visualStyles_; }
    const ScreenScale& Scale() const { return scale_; }

protected:
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // IProjectViews
    // The dialog on top (Manage Projects opens the project dialogs), else this window.
    HWND OwnerWindow() override { return GetLastActivePopup(Handle()); }
    void ApplyViewMode(int mode) override;
    void ShowProjects() override;
    void RebuildTree() override { treeForm_.Rebuild(); }
    void EnableTestAndBurn(bool enabled) override { topForm_.EnableTestAndBurn(enabled); }
    void LetGoOfProject() override;
    bool BuildProject(CDiscSettings& project) override;
    void CloseMainWindow() override;
    bool IsClosing() const override { return closing_; }

    bool CreatePanes();
    void SetViewMode(int mode);
    void ShowProjectRecordForm(CSettings* record);
    void ChangeDirectory();
    void ProjectBoxChanged();
    void Build();
    void Burn();
    void OpenVendorPage(const char* page);
    void UpdateMenu(HMENU menu);
    void Close();

    std::string designerDirectory_;
    ScreenScale scale_;
    CFixedSplitter outerSplitter_;
    CFixedSplitter innerSplitter_;
    CTreeForm treeForm_;
    CTopForm topForm_;
    CSystemProjectFiles files_;
    CProjectList projects_;
    CProjectFlow flow_;
    CSettings* currentRecord_ = nullptr;
    std::unique_ptr<CSettingsForm> form_;
    std::string helpFile_;
    bool suppressSave_ = false;
    bool limitSize_ = false;
    int viewMode_ = kStandardView;
    bool closing_ = false;
    HWND lastFocus_ = nullptr;
    CVisualStyles visualStyles_;
};

// The one main frame, set while it exists.
extern CMainFrame* theMainFrame;
