#pragma once
// One action step of the player: open, print or explore disc content, run a
// program from the disc or the system, open a web site or an e-mail message,
// or show a message box.
#include <windows.h>

#include <string>

class CSettingsLaunch;

// True to go on; false stops the list being run (a message answered No or
// Cancel, or an item from the registry that is not there). The parent is the
// menu window of a pressed button, or null in the root list; disableParent
// is passed to the waits; with noWait set the action never waits. Disc
// files are found below the disc root.
bool RunAction(const CSettingsLaunch& action, const std::string& discRoot, HWND parent, bool disableParent,
               bool noWait);
