#pragma once
// "Manage Projects" and "Open Project": the projects by name. In manage mode
// the author creates, edits, copies and deletes projects here; in open mode
// OK (or a double click) makes the chosen one current.
#include <vector>

#include "Dialog.h"
#include "controls/ListBox.h"

class CDiscSettings;
class CProjectList;

// What the Manage Projects buttons do; each answers the project to show
// selected in the list afterwards (null when nothing was made or changed).
class IProjectManagement {
public:
    virtual CDiscSettings* CreateProject() = 0;
    virtual bool EditProject(CDiscSettings& project) = 0;
    virtual CDiscSettings* CopyProject(const CDiscSettings& project) = 0;
    // Asks first; true when the project is gone.
    virtual bool DeleteProject(CDiscSettings& project) = 0;

protected:
    ~IProjectManagement() = default;
};

class CChooseProjectDialog : public wingui::CDialog {
public:
    enum class Mode { kManage, kOpen };
    CChooseProjectDialog(Mode mode, const CProjectList& projects, IProjectManagement& management);
    // Open mode: the project chosen with OK.
    CDiscSettings* Chosen() const { return chosen_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnOK() override;

private:
    void LayOutForOpening();
    void Fill();
    void SelectProject(const CDiscSettings* project);
    CDiscSettings* SelectedProject() const;
    void EnableButtons();
    void Delete();

    Mode mode_;
    const CProjectList& projects_;
    IProjectManagement& management_;
    wingui::CListBox list_;
    CDiscSettings* chosen_ = nullptr;
};
