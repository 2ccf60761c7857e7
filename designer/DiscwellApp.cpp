#include "DiscwellApp.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include "DesignerHelp.h"
#include "util/LocalFiles.h"
#include "MainFrame.h"
#include "MessageBox.h"
#include "SplashThread.h"
#include "Window.h"
#include "resource.h"

namespace {

constexpr DWORD kSplashShownMs = 2000;

// Another designer already runs: it comes to the front, restored when it
// was minimised, with whatever dialog it shows on top.
bool BringRunningInstanceForward() {
    HWND running = FindWindowA(CMainFrame::kWindowClass, nullptr);
    if (!running) return false;
    if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(running));
    return true;
}

}  // namespace

CDiscwellApp::CDiscwellApp() = default;
CDiscwellApp::~CDiscwellApp() = default;

bool CDiscwellApp::RegisterMainWindowClass() {
    wingui::WindowClass windowClass;
    windowClass.name = CMainFrame::kWindowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.icon = LoadIconA(Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    return wingui::RegisterWindowClass(windowClass);
}

bool CDiscwellApp::InitInstance() {
    if (BringRunningInstanceForward()) return false;
    comInitialised_ = SUCCEEDED(CoInitialize(nullptr));
    designerDirectory_ = GetModuleDirectory();

    CSplashThread splash;
    if (!splash.Start(IDB_SPLASH)) {
        wingui::ShowMessage(nullptr, "Failed to create splash screen", MB_OK | MB_ICONSTOP);
        return false;
    }
    Sleep(kSplashShownMs);

    if (!RegisterMainWindowClass()) return false;
    classRegistered_ = true;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    oleInitialised_ = SUCCEEDED(OleInitialize(nullptr));
    if (!oleInitialised_) {
        splash.Close();
        wingui::ShowMessage(nullptr, "OLE initialization failed. Make sure that the OLE libraries are installed.",
                            MB_OK | MB_ICONSTOP);
        return false;
    }
    // A framework application keeps its profile below this key; the
    // designer stores nothing of its own there.
    SetRegistryKey("Local AppWizard-Generated Applications");

    mainFrame_ = std::make_unique<CMainFrame>(designerDirectory_);
    if (!mainFrame_->Create()) {
        splash.Close();
        return false;
    }
    MessageLoop().SetAccelerators(mainFrame_->Handle(),
                                  LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    MessageLoop().SetNavigationRoot(mainFrame_->Handle());
    splash.Close();
    ShowWindow(mainFrame_->Handle(), SW_SHOW);
    // The project is chosen before the first paint, so the window is drawn
    // once, with its steps; dialogs asking for a project paint it themselves.
    const bool chosen = mainFrame_->ChooseStartupProject();
    if (chosen) UpdateWindow(mainFrame_->Handle());
    return chosen;
}

int CDiscwellApp::ExitInstance() {
    mainFrame_.reset();
    CloseDesignerHelp();
    if (classRegistered_) UnregisterClassA(CMainFrame::kWindowClass, Instance());
    classRegistered_ = false;
    if (oleInitialised_) OleUninitialize();
    oleInitialised_ = false;
    if (comInitialised_) CoUninitialize();
    comInitialised_ = false;
    return 0;
}
