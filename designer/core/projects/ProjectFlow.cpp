#include "ProjectFlow.h"

#include "DesignerMessage.h"
#include "DiscSettings.h"
#include "EditProjectDialog.h"
#include "ExitQuestionDialog.h"
#include "ImageBaseDirectory.h"
#include "util/LocalFiles.h"
#include "NewProjectDialog.h"
#include "NewProjects.h"
#include "ProjectList.h"
#include "ProjectNames.h"
#include "ResourceString.h"
#include "../../resource.h"

CProjectFlow::CProjectFlow(CProjectList& projects, IProjectViews& views) : projects_(projects), views_(views) {}

bool CProjectFlow::ChooseStartupProject() {
    if (!projects_.Load()) return false;
    views_.ApplyViewMode(projects_.ViewMode());
    if (CDiscSettings* current = projects_.Current()) {
        SelectCurrent(*current);
        return true;
    }
    if (NewProject(NewProjectMethod::kMenuWizard, true)) return true;
    return AskUntilAProjectExists(NewProjectMethod::kChoose);
}

bool CProjectFlow::AskUntilAProjectExists(NewProjectMethod method) {
    while (projects_.Projects().empty()) {
        CExitQuestionDialog question;
        if (question.DoModal(views_.OwnerWindow()) != IDOK) return false;
        NewProject(method, true);
    }
    return true;
}

void CProjectFlow::SelectCurrent(CDiscSettings& project) {
    const bool built = project.AutorunUpdated;
    projects_.SetCurrent(&project);
    views_.ShowProjects();
    views_.RebuildTree();
    RedrawWindow(views_.OwnerWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    project.AutorunUpdated = built;
    project.SaveGeneral();
    views_.EnableTestAndBurn(built);
}

void CProjectFlow::AskToBuildBeforeLeaving() {
    CDiscSettings* project = projects_.Current();
    if (!project || project->AutorunUpdated) return;
    const int answer = ShowDesignerMessage(views_.OwnerWindow(), IDS_NOT_BUILT, MB_YESNO | MB_ICONQUESTION,
                                           {project->ProjectName, project->TargetDir});
    if (answer != IDYES) return;
    // This build serves the disc only: the project stays marked as not built.
    const bool built = project->AutorunUpdated;
    views_.BuildProject(*project);
    project->AutorunUpdated = built;
}

std::unique_ptr<CDiscSettings> CProjectFlow::RunNewProjectDialog(int projectType) {
    auto project = std::make_unique<CDiscSettings>();
    project->AutorunType = projectType;
    const std::string defaultDirectory = ReadImageBaseDirectory();
    for (;;) {
        CNewProjectDialog dialog(*project, defaultDirectory);
        if (dialog.DoModal(views_.OwnerWindow()) != IDOK) return nullptr;
        if (CheckNameAndDirectory(*project)) break;
    }
    GiveFirstSteps(*project, wingui::LoadResourceString(IDS_EXIT_BUTTON));
    return project;
}

bool CProjectFlow::CheckNameAndDirectory(CDiscSettings& project) {
    HWND owner = views_.OwnerWindow();
    switch (CheckProjectName(project.ProjectName, projects_.NamesExcept(&project))) {
        case ProjectNameProblem::kTooLong:
            ShowDesignerMessage(owner, IDS_NAME_TOO_LONG, MB_OK | MB_ICONSTOP);
            return false;
        case ProjectNameProblem::kTaken:
            ShowDesignerMessage(owner, IDS_NAME_TAKEN, MB_OK | MB_ICONSTOP);
            return false;
        case ProjectNameProblem::kNone:
            break;
    }
    project.TargetDir = NormaliseProjectDirectory(project.TargetDir);
    if (IsDirectory(project.TargetDir) || CreateDirectoryPath(project.TargetDir)) return true;
    ShowDesignerMessage(owner, IDS_CANNOT_CREATE_PROJECT_DIRECTORY, MB_OK | MB_ICONSTOP, {project.TargetDir});
    return false;
}

CDiscSettings& CProjectFlow::AddAndSave(std::unique_ptr<CDiscSettings> project) {
    CDiscSettings& added = projects_.Add(std::move(project));
    projects_.Save();
    added.SaveAll();
    return added;
}

CDiscSettings* CProjectFlow::NewProject(NewProjectMethod method, bool select) {
    if (method == NewProjectMethod::kChoose) {
        CChooseNewDialog choose;
        if (choose.DoModal(views_.OwnerWindow()) != IDOK) return nullptr;
        method = choose.Method();
    }
    // The wizards come later; until then each one asks what the New Project
    // dialog asks, for a project of the wizard's type.
    const bool silent =
        method == NewProjectMethod::kQuickieSilentWizard || method == NewProjectMethod::kSilentWizard;
    std::unique_ptr<CDiscSettings> project =
        RunNewProjectDialog(silent ? CDiscSettings::kSilentDisc : CDiscSettings::kMenuDisc);
    if (!project) return nullptr;
    RemoveEmptyInstallStep(*project);
    CDiscSettings& added = AddAndSave(std::move(project));
    if (select) SelectCurrent(added);
    return &added;
}

void CProjectFlow::ManageProjects() {
    viewsLetGo_ = false;
    CChooseProjectDialog dialog(CChooseProjectDialog::Mode::kManage, projects_, *this);
    dialog.DoModal(views_.OwnerWindow());
    if (projects_.Projects().empty()) {
        if (!AskUntilAProjectExists(NewProjectMethod::kNewProjectDialog)) {
            views_.CloseMainWindow();
            return;
        }
    } else if (!projects_.Current()) {
        SelectCurrent(*projects_.Projects().front());
    } else if (viewsLetGo_) {
        SelectCurrent(*projects_.Current());
    }
    if (!views_.IsClosing()) views_.ShowProjects();
}

void CProjectFlow::OpenProjectDialog() {
    CChooseProjectDialog dialog(CChooseProjectDialog::Mode::kOpen, projects_, *this);
    if (dialog.DoModal(views_.OwnerWindow()) == IDOK && dialog.Chosen()) SelectCurrent(*dialog.Chosen());
}

CDiscSettings* CProjectFlow::CreateProject() { return NewProject(NewProjectMethod::kChoose, false); }

bool CProjectFlow::EditProject(CDiscSettings& project) {
    const std::string name = project.ProjectName;
    const std::string directory = project.TargetDir;
    const auto type = project.AutorunType;
    for (;;) {
        CEditProjectDialog dialog(project);
        if (dialog.DoModal(views_.OwnerWindow()) != IDOK) {
            project.ProjectName = name;
            project.TargetDir = directory;
            project.AutorunType = type;
            return false;
        }
        if (CheckNameAndDirectory(project)) break;
    }
    projects_.Save();
    project.SaveAll();
    if (&project == projects_.Current() && !views_.IsClosing()) views_.ShowProjects();
    return true;
}

CDiscSettings* CProjectFlow::CopyProject(const CDiscSettings& original) {
    std::unique_ptr<CDiscSettings> copy = ::CopyProject(original);
    for (;;) {
        CEditProjectDialog dialog(*copy);
        if (dialog.DoModal(views_.OwnerWindow()) != IDOK) return nullptr;
        if (CheckNameAndDirectory(*copy)) break;
    }
    return &AddAndSave(std::move(copy));
}

bool CProjectFlow::DeleteProject(CDiscSettings& project) {
    const int answer = ShowDesignerMessage(views_.OwnerWindow(), IDS_CONFIRM_DELETE_PROJECT,
                                           MB_OKCANCEL | MB_ICONQUESTION, {project.ProjectName});
    if (answer != IDOK) return false;
    if (&project == projects_.Current()) {
        views_.LetGoOfProject();
        viewsLetGo_ = true;
    }
    return projects_.Delete(&project);
}
