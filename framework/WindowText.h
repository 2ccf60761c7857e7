#pragma once
// The text of a window or of a dialog's control, whatever its length.
#include <windows.h>

#include <string>

namespace wingui {

std::string WindowText(HWND window);
std::string DialogItemText(HWND dialog, int id);

}  // namespace wingui
