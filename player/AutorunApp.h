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
