#pragma once
// The left pane: the step tree of the current project with the buttons that
// change it. Each operation changes the record tree first (which saves
// itself) and then mirrors the change node by node.
#include <windows.h>

#include <memory>
#include <string>

#include "AddStepChoices.h"
#include "DesignerHost.h"
#include "Dialog.h"
#include "PaneLook.h"
#include "StepTree.h"
#include "StepTreeCtrl.h"
#include "TextButtons.h"
#include "controls/ToolTip.h"

class CTreeForm : public wingui::CDialog {
public:
    explicit CTreeForm(IDesignerHost& host);

    // Shows the current project's steps and selects the first one (its form
    // shows; without steps the General form does).
    void Rebuild();
    void ApplyViewMode(int mode);
    // No node selected (the General, Icon or Drivers form shows).
    void ClearSelection();
    const StepTreeFlags& Flags() const { return flags_; }
    bool HasParentSelected() const { return flags_.hasParent; }
    void ReleaseNodes() { tree_.DeleteAllNodes(); }
    CStepTreeCtrl& Tree() { return tree_; }

    void AddAction();
    void AddButton();
    void AddMenu();
    void DeleteStep();
    void MoveUp();
    void MoveDown();
    void RenameStep();
    // A prepared step goes right before the selected one (a standard viewer's
    // install before the step that needs it).
    void InsertBeforeSelection(std::unique_ptr<CSettings> record);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, INT_PTR& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    CSettingsList* RootList();
    void UpdateFlags(const StepNode& node);
    void SelectNew(HTREEITEM item);
    void AfterChange();
    void ShowContextMenu();
    // Runs a step dialog; false when cancelled.
    bool ChooseStep(AddStepMode mode, const CSettingsList* buttons, AddStepChoice& choice, std::string& name);
    void AddStep(AddStepMode mode);
    void Move(bool up);

    IDesignerHost& host_;
    CStepTreeCtrl tree_;
    CTextButtons buttons_;
    wingui::CToolTip toolTips_;
    CPaneLook look_;
    StepTreeFlags flags_;
    bool rebuilding_ = false;
    int viewMode_ = kStandardView;
};
