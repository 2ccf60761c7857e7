#pragma once
// What the sequencer needs from the system besides windows: running an
// action step and testing for a disc file. The player uses the real launch
// actions; tests script them.
#include <string>

#include "WindowHandle.h"

class CSettingsLaunch;

class IStepActions {
public:
    virtual ~IStepActions() = default;
    // The launch action; false stops the list being run.
    virtual bool RunAction(CSettingsLaunch& action, const std::string& section, HWND parent,
                           bool disableParent, bool noWait) = 0;
    virtual bool FileExists(const std::string& path) = 0;
};
