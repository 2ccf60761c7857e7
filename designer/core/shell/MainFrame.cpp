#include "MainFrame.h"

#include <shellapi.h>

#include "AboutDlg.h"
#include "CommonDialogs.h"
#include "DesignerHelp.h"
#include "DesignerMessage.h"
#include "DiscSettings.h"
#include "FormFactory.h"
#include "ResourceString.h"
#include "Settings.h"
#include "BuildOutput.h"
#include "BurnCDDlg.h"
#include "ControlPlacement.h"
#include "DiscImageExport.h"
#include "HoverBitmapButton.h"
#include "TestRun.h"
#include "VendorSite.h"
#include "../../resource.h"

CMainFrame* theMainFrame = nullptr;

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 570;
constexpr int kTopPaneHeight = 82;
constexpr int kTreePaneWidth = 290;
constexpr int kGettingStartedHelp = 24;
constexpr int kWhatIsAnAutorunHelp = 410;

void ReportListProblem(int messageId, const std::string& argument) {
    ShowDesignerMessage(theMainFrame ? theMainFrame->Handle() : nullptr, UINT(messageId), MB_OK | MB_ICONSTOP,
                        {argument});
}

}  // namespace

CMainFrame::CMainFrame(const std::string& designerDirectory)
    : designerDirectory_(designerDirectory),
      scale_(ScreenScaleNow()),
      treeForm_(*this),
      projects_(designerDirectory, files_, ReportListProblem),
      flow_(projects_, *this),
      helpFile_(designerDirectory + "\\Menuwright.chm") {
    theMainFrame = this;
    SetDesignerHelpFile(helpFile_);
}

CMainFrame::~CMainFrame() {
    treeForm_.ReleaseNodes();
    form_.reset();
    Destroy();
    CHoverBitmapButton::SetVisualStyles(nullptr);
    if (theMainFrame == this) theMainFrame = nullptr;
}

bool CMainFrame::Create() {
    const RECT place{0, 0, scale_.X(kWindowWidth), scale_.Y(kWindowHeight)};
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    // Its panes are dialogs; the keyboard moves across them as through one.
    if (!CWindow::Create(kWindowClass, "Menuwright", style, WS_EX_CONTROLPARENT, place, nullptr, UINT_PTR(menu))) {
        return false;
    }
    visualStyles_.Prepare(Handle());
    CHoverBitmapButton::SetVisualStyles(&visualStyles_);
    if (!CreatePanes()) return false;

    SetWindowPos(Handle(), nullptr, 0, 0, place.right, place.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT desktop;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
    const int x = desktop.left + ((desktop.right - desktop.left) - (window.right - window.left)) / 2;
    const int y = desktop.top + ((desktop.bottom - desktop.top) - (window.bottom - window.top)) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    limitSize_ = true;
    return true;
}

bool CMainFrame::CreatePanes() {
    if (!CFixedSplitter::RegisterClass()) return false;
    RECT client;
    GetClientRect(Handle(), &client);
    if (!outerSplitter_.Create(Handle(), CFixedSplitter::Direction::kRows, scale_.Y(kTopPaneHeight), client, 1)) {
        return false;
    }
    if (!topForm_.CreateChild(outerSplitter_.Handle())) return false;
    outerSplitter_.SetPane(0, topForm_.Handle());
    const RECT none{0, 0, 0, 0};
    if (!innerSplitter_.Create(outerSplitter_.Handle(), CFixedSplitter::Direction::kColumns,
                               scale_.X(kTreePaneWidth), none, 2)) {
        return false;
    }
    outerSplitter_.SetPane(1, innerSplitter_.Handle());
    if (!treeForm_.CreateChild(innerSplitter_.Handle())) return false;
    innerSplitter_.SetPane(0, treeForm_.Handle());
    ShowFormFor(nullptr);
    SetFocus(treeForm_.Tree().Handle());
    return true;
}

void CMainFrame::ProjectChanged() {
    CDiscSettings* project = CurrentProject();
    if (!project) return;
    project->AutorunUpdated = false;
    project->SaveGeneral();
    topForm_.EnableTestAndBurn(false);
}

void CMainFrame::SaveShownForm() {
    if (!form_) return;
    form_->SaveSettings();
    if (currentRecord_ && currentRecord_->SettingType() == kSettingHtml) form_->UpdateControls();
}

void CMainFrame::ShowFormFor(CSettings* record) {
    CDiscSettings* project = CurrentProject();
    const bool built = project && project->AutorunUpdated;
    if (suppressSave_) {
        suppressSave_ = false;
    } else {
        SaveShownForm();
    }
    currentRecord_ = record;
    // The new form is made before the old one goes, so the pane never shows empty.
    std::unique_ptr<CSettingsForm> next = CreateFormFor(record, *this);
    if (!next || !next->CreateChild(innerSplitter_.Handle())) return;
    innerSplitter_.SetPane(1, next->Handle());
    form_ = std::move(next);
    if (built) {
        project->AutorunUpdated = true;
        project->SaveGeneral();
        topForm_.EnableTestAndBurn(true);
    }
}

void CMainFrame::ForgetShownRecord() {
    currentRecord_ = nullptr;
    suppressSave_ = true;
}

void CMainFrame::UpdateFormTitle() {
    if (form_) form_->UpdateTitle();
}

void CMainFrame::ShowHelp(int context) { ShowHelpTopic(Handle(), context); }

void CMainFrame::ApplyViewMode(int mode) {
    viewMode_ = mode == kAdvancedView ? kAdvancedView : kStandardView;
    treeForm_.ApplyViewMode(viewMode_);
}

void CMainFrame::SetViewMode(int mode) {
    ApplyViewMode(mode);
    projects_.SetViewMode(viewMode_);
    // The form adapts to the mode: it saves and loads its record again.
    if (form_) {
        SaveShownForm();
        form_->LoadSettings(currentRecord_);
        if (currentRecord_ && currentRecord_->SettingType() == kSettingHtml) form_->UpdateControls();
    }
}

void CMainFrame::ShowProjects() {
    topForm_.ShowProjects(projects_.Projects(), projects_.Current());
}

void CMainFrame::LetGoOfProject() {
    ForgetShownRecord();
    treeForm_.ReleaseNodes();
    ShowFormFor(nullptr);
    suppressSave_ = true;
}

bool CMainFrame::BuildProject(CDiscSettings& project) {
    BuildEnvironment environment;
    environment.designerDirectory = designerDirectory_;
    environment.nextDiscNumber = [this] { return projects_.NextDiscNumber(); };
    return BuildOutput(Handle(), project, environment, true) && ValidateAndReport(Handle(), project);
}

void CMainFrame::Build() {
    SaveShownForm();
    CDiscSettings* project = CurrentProject();
    if (!project) return;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    const bool built = BuildProject(*project);
    SetCursor(previous);
    if (!built) return;
    project->AutorunUpdated = true;
    project->SaveGeneral();
    topForm_.EnableTestAndBurn(true);
}

void CMainFrame::Burn() {
    SaveShownForm();
    CDiscSettings* project = CurrentProject();
    if (!project || !project->AutorunUpdated) return;
    CBurnCDDlg dialog(MakeImapiPlatform(), project->TargetDir, project->Label.substr(0, kMaxDiscLabel));
    dialog.DoModal(Handle());
    project->Label = dialog.Label();
    project->SaveGeneral();
    if (form_) form_->UpdateControls();
}

void CMainFrame::ShowProjectRecordForm(CSettings* record) {
    ShowFormFor(record);
    treeForm_.ClearSelection();
}

void CMainFrame::ChangeDirectory() {
    CDiscSettings* project = CurrentProject();
    if (!project) return;
    const auto chosen = wingui::ChooseFolder(Handle(), wingui::LoadResourceString(IDS_CHOOSE_PROJECT_DIRECTORY));
    if (!chosen || chosen->empty()) return;
    topForm_.ShowDirectory(*chosen);
    project->TargetDir = *chosen;
    project->SaveGeneral();
    if (form_) form_->UpdateControls();
    ProjectChanged();
}

void CMainFrame::ProjectBoxChanged() {
    CDiscSettings* chosen = topForm_.ChosenProject();
    if (!chosen || chosen == CurrentProject()) return;
    flow_.AskToBuildBeforeLeaving();
    flow_.SelectCurrent(*chosen);
}

void CMainFrame::OpenVendorPage(const char* page) {
    const std::string address = VendorPageAddress(page);
    ShellExecuteA(Handle(), "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrame::CloseMainWindow() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void CMainFrame::Close() {
    closing_ = true;
    SaveShownForm();
    flow_.AskToBuildBeforeLeaving();
    treeForm_.ReleaseNodes();
    form_.reset();
    currentRecord_ = nullptr;
    DestroyWindow(Handle());
}

bool CMainFrame::OnCommand(WORD id, WORD /*notifyCode*/, HWND /*control*/) {
    CDiscSettings* project = CurrentProject();
    switch (id) {
        case ID_OPEN_PROJECT: flow_.OpenProjectDialog(); return true;
        case ID_NEW_PROJECT:
            flow_.AskToBuildBeforeLeaving();
            flow_.NewProject(NewProjectMethod::kChoose, true);
            return true;
        case ID_MANAGE_PROJECTS: flow_.ManageProjects(); return true;
        case ID_MANAGE_VIEWERS: return true;  // the viewer library comes later
        case ID_APP_EXIT: CloseMainWindow(); return true;
        case ID_ADD_ACTION: treeForm_.AddAction(); return true;
        case ID_ADD_BUTTON:
            if (treeForm_.Flags().canAddButton) treeForm_.AddButton();
            return true;
        case ID_ADD_MENU: treeForm_.AddMenu(); return true;
        case ID_MOVE_UP:
            if (treeForm_.Flags().canMoveUp) treeForm_.MoveUp();
            return true;
        case ID_MOVE_DOWN:
            if (treeForm_.Flags().canMoveDown) treeForm_.MoveDown();
            return true;
        case ID_RENAME:
            if (treeForm_.Flags().canRename) treeForm_.RenameStep();
            return true;
        case ID_DELETE_STEP:
            if (treeForm_.Flags().canDelete) treeForm_.DeleteStep();
            return true;
        case ID_BUILD: Build(); return true;
        case ID_TEST:
            if (project && project->AutorunUpdated) TestRun(Handle(), *project);
            return true;
        case ID_BURN: Burn(); return true;
        case ID_SAVE_DISC_IMAGE:
            if (project && project->AutorunUpdated) SaveDiscImage(Handle(), project->TargetDir, DiscImageLabel(*project));
            return true;
        case ID_VIEW_STANDARD: SetViewMode(kStandardView); return true;
        case ID_VIEW_ADVANCED: SetViewMode(kAdvancedView); return true;
        case ID_VIEW_GENERAL: ShowProjectRecordForm(nullptr); return true;
        case ID_VIEW_ICON:
            if (project) ShowProjectRecordForm(&project->Icon);
            return true;
        case ID_VIEW_DRIVERS:
            if (project) ShowProjectRecordForm(&project->Driver);
            return true;
        case ID_MENU_WIZARD:
        case ID_QUICKIE_WIZARD:
        case ID_SILENT_WIZARD: {
            flow_.AskToBuildBeforeLeaving();
            const NewProjectMethod method = id == ID_MENU_WIZARD      ? NewProjectMethod::kMenuWizard
                                            : id == ID_QUICKIE_WIZARD ? NewProjectMethod::kQuickieSilentWizard
                                                                      : NewProjectMethod::kSilentWizard;
            flow_.NewProject(method, true);
            return true;
        }
        case ID_WHAT_IS_AUTORUN: ShowHelp(kWhatIsAnAutorunHelp); return true;
        case ID_GETTING_STARTED: ShowHelp(kGettingStartedHelp); return true;
        case ID_HELP_TOPICS: ShowHelpContents(Handle()); return true;
        case ID_CUSTOM_GRAPHICS: OpenVendorPage(kGraphicsPage); return true;
        case ID_TECHNICAL_SUPPORT: OpenVendorPage(kSupportPage); return true;
        case ID_ON_THE_WEB: OpenVendorPage(kHomePage); return true;
        case ID_APP_ABOUT: {
            CAboutDlg about;
            about.DoModal(Handle());
            return true;
        }
        case IDC_CHANGE_DIRECTORY: ChangeDirectory(); return true;
        case IDC_PROJECT_BOX: ProjectBoxChanged(); return true;
        default:
            return false;
    }
}

void CMainFrame::UpdateMenu(HMENU menu) {
    const StepTreeFlags& flags = treeForm_.Flags();
    CDiscSettings* project = CurrentProject();
    const bool built = project && project->AutorunUpdated;
    auto enable = [menu](UINT id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
    enable(ID_ADD_BUTTON, flags.canAddButton);
    enable(ID_MOVE_UP, flags.canMoveUp);
    enable(ID_MOVE_DOWN, flags.canMoveDown);
    enable(ID_RENAME, flags.canRename);
    enable(ID_DELETE_STEP, flags.canDelete);
    enable(ID_TEST, built);
    enable(ID_BURN, built);
    enable(ID_SAVE_DISC_IMAGE, built);
    ModifyMenuA(menu, ID_ADD_MENU, MF_BYCOMMAND | MF_STRING, ID_ADD_MENU,
                flags.hasParent ? "Add Sub&menu..." : "Add &Menu...");
    CheckMenuRadioItem(menu, ID_VIEW_STANDARD, ID_VIEW_ADVANCED,
                       viewMode_ == kAdvancedView ? ID_VIEW_ADVANCED : ID_VIEW_STANDARD, MF_BYCOMMAND);
}

bool CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_INITMENUPOPUP:
            UpdateMenu(HMENU(wParam));
            return false;
        case WM_GETMINMAXINFO:
            if (limitSize_) {
                // The limit is the window's own size on this screen; an unscaled
                // 800 x 570 would cut the window at more than 96 pixels per inch.
                auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
                limits.ptMaxSize = {scale_.X(kWindowWidth), scale_.Y(kWindowHeight)};
                limits.ptMaxTrackSize = limits.ptMaxSize;
                result = 0;
                return true;
            }
            return false;
        case WM_SIZE:
            if (outerSplitter_.Handle() && wParam != SIZE_MINIMIZED) {
                SetWindowPos(outerSplitter_.Handle(), nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return false;
        case WM_ACTIVATE:
            // The control that had the focus gets it back when the window does.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
            }
            return false;
        case WM_SETFOCUS:
            if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_)) {
                SetFocus(lastFocus_);
            } else if (treeForm_.Handle()) {
                SetFocus(treeForm_.Tree().Handle());
            }
            result = 0;
            return true;
        case WM_CLOSE:
            if (!closing_) Close();
            result = 0;
            return true;
        case WM_DESTROY:
            PostQuitMessage(0);
            return false;
        default:
            return false;
    }
}
