#pragma once
// The program object: start-up, the program's name for message captions, and
// the end of the program once start-up returns.
#include <windows.h>

#include <string>

#include "MessageLoop.h"

namespace wingui {

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // Returns false to end the program when start-up is done; true enters
    // the message loop, which runs until WM_QUIT.
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    int Run(HINSTANCE instance);

    HINSTANCE Instance() const { return instance_; }
    // The caption of the program's message boxes: string-table entry
    // kAppTitleStringId, else the program file's base name.
    const std::string& AppName() const { return appName_; }
    // The key below which a framework application would keep its profile.
    void SetRegistryKey(const std::string& company) { registryKey_ = company; }
    const std::string& RegistryKey() const { return registryKey_; }

    CMessageLoop& MessageLoop() { return loop_; }

    static CApplication* Current() { return current_; }
    static constexpr UINT kAppTitleStringId = 57344;  // the customary application-title id

private:
    static CApplication* current_;
    HINSTANCE instance_ = nullptr;
    std::string appName_;
    std::string registryKey_;
    CMessageLoop loop_;
};

}  // namespace wingui
