#pragma once
// Reading windows from a test: their class and text, the text of a message
// box, where a control lies, and waiting for a window to go away.
#include <windows.h>

#include <string>

namespace testwin {

std::string WindowText(HWND window);  // WM_GETTEXT reaches other threads' windows too
std::string ClassOf(HWND window);
// The static text of a message box (its control with the id 0xFFFF).
std::string MessageBoxText(HWND box);
// Polls until the window no longer exists or is hidden.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = 30000);
// Where a control lies in its parent's client area.
RECT PlaceInParent(HWND control);

}  // namespace testwin
