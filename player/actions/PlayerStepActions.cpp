#include "PlayerStepActions.h"

#include "LaunchAction.h"
#include "FileUtil.h"

bool CPlayerStepActions::RunAction(CSettingsLaunch& action, const std::string& /*section*/, HWND parent,
                                   bool disableParent, bool noWait) {
    return ::RunAction(action, discRoot_, parent, disableParent, noWait);
}

bool CPlayerStepActions::FileExists(const std::string& path) { return ::FileExists(path); }
