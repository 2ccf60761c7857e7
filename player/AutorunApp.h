#pragma once
// The player: finds the disc's files beside itself, loads the settings and
// runs the root list of steps. The program ends when the list is done.
#include <string>

#include "Application.h"
#include "DiscSettings.h"

class CAutorunApp : public wingui::CApplication {
public:
    bool InitInstance() override;

    CDiscSettings& Settings() { return settings_; }
    static CAutorunApp& Get() { return *static_cast<CAutorunApp*>(Current()); }

private:
    CDiscSettings settings_;
};

// The directory of Autorun.exe without a trailing backslash; set once at
// start-up and read by every step that names a disc file.
const std::string& GetDiscRoot();
