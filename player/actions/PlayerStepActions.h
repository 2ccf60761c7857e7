#pragma once
// The player's launch actions and file test behind the sequencer's interface.
#include <string>
#include <utility>

#include "sequencer/StepActions.h"

class CPlayerStepActions : public IStepActions {
public:
    explicit CPlayerStepActions(std::string discRoot) : discRoot_(std::move(discRoot)) {}
    bool RunAction(CSettingsLaunch& action, const std::string& section, HWND parent, bool disableParent,
                   bool noWait) override;
    bool FileExists(const std::string& path) override;

private:
    std::string discRoot_;
};
