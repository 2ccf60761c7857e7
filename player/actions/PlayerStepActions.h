#pragma once
// The player's launch actions and file test behind the sequencer's interface.
#include "sequencer/StepActions.h"

class CPlayerStepActions : public IStepActions {
public:
    bool RunAction(CSettingsLaunch& action, const std::string& section, HWND parent, bool disableParent,
                   bool noWait) override;
    bool FileExists(const std::string& path) override;
};
