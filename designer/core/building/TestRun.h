#pragma once
// Trying a built project on the spot: the designer starts the project's
// Autorun.exe and waits, locked behind its wait window, until the player
// ends or the author cancels. It first offers to forget earlier runs of the
// disc, so that first-time-only steps show again.
#include <windows.h>

class CDiscSettings;

// True when the player ran (a cancelled test counts as run); otherwise
// message 186 has been shown.
bool TestRun(HWND mainWindow, CDiscSettings& project);

// Deletes the disc's first-run history when the disc has any, its steps
// behave differently the first time and the author agrees.
void OfferToClearHistory(HWND mainWindow, CDiscSettings& project);
