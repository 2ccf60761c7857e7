#pragma once
// How projects come and go in the running designer: the project chosen at
// start, selecting a project, the question before leaving one that is not
// built, the new project flow and the Manage and Open Project dialogs.
#include <windows.h>

#include <memory>

#include "ChooseNewDialog.h"
#include "ChooseProjectDialog.h"

class CDiscSettings;
class CProjectList;

// What the flow asks of the main window.
class IProjectViews {
public:
    virtual HWND OwnerWindow() = 0;
    virtual void ApplyViewMode(int mode) = 0;
    // The project box lists every project and shows the current one.
    virtual void ShowProjects() = 0;
    virtual void RebuildTree() = 0;
    virtual void EnableTestAndBurn(bool enabled) = 0;
    // The current project is about to be deleted: no pane may keep it.
    virtual void LetGoOfProject() = 0;
    // Writes the build output and shows its result; false when it failed.
    virtual bool BuildProject(CDiscSettings& project) = 0;
    virtual void CloseMainWindow() = 0;
    virtual bool IsClosing() const = 0;

protected:
    ~IProjectViews() = default;
};

class CProjectFlow : private IProjectManagement {
public:
    CProjectFlow(CProjectList& projects, IProjectViews& views);

    // Start-up: false when the program must end.
    bool ChooseStartupProject();
    void SelectCurrent(CDiscSettings& project);
    void AskToBuildBeforeLeaving();
    // The project made (and added to the list), or null.
    CDiscSettings* NewProject(NewProjectMethod method, bool select);
    void ManageProjects();
    void OpenProjectDialog();

private:
    CDiscSettings* CreateProject() override;
    bool EditProject(CDiscSettings& project) override;
    CDiscSettings* CopyProject(const CDiscSettings& project) override;
    bool DeleteProject(CDiscSettings& project) override;

    std::unique_ptr<CDiscSettings> RunNewProjectDialog(int projectType);
    // The name and directory checks with their messages.
    bool CheckNameAndDirectory(CDiscSettings& project);
    // Until a project exists or the author chooses to end; false for the end.
    bool AskUntilAProjectExists(NewProjectMethod method);
    CDiscSettings& AddAndSave(std::unique_ptr<CDiscSettings> project);

    CProjectList& projects_;
    IProjectViews& views_;
    // The panes let go of the current project for a delete that may still fail.
    bool viewsLetGo_ = false;
};
