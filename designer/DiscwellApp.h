#pragma once
// The designer program: one instance per desktop, the start-up picture, the
// main window and the project to work on; at the end everything it set up
// is released in the opposite order.
#include <memory>
#include <string>

#include "Application.h"

class CMainFrame;
class CSplashThread;

class CDiscwellApp : public wingui::CApplication {
public:
    CDiscwellApp();
    ~CDiscwellApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    // The directory of the designer's own program.
    const std::string& DesignerDirectory() const { return designerDirectory_; }
    static CDiscwellApp& Get() { return *static_cast<CDiscwellApp*>(Current()); }

private:
    bool RegisterMainWindowClass();

    std::string designerDirectory_;
    bool classRegistered_ = false;
    bool comInitialised_ = false;
    bool oleInitialised_ = false;
    std::unique_ptr<CMainFrame> mainFrame_;
};
