#pragma once
// Reading windows from a test: their class and text, the text of a message
// box, and waiting for one to go away.
#include <windows.h>

#include <string>

namespace testwin {

std::string WindowText(HWND window);  // WM_GETTEXT reaches other threads' windows too
std::string ClassOf(HWND window);
// The static text of a message box (its control with the id 0xFFFF).
std::string MessageBoxText(HWND box);
// Polls until the window no longer exists or is hidden.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = 30000);

}  // namespace testwin
