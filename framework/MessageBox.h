#pragma once
// Message boxes with the program's name as caption and texts from the
// string table.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace wingui {

int ShowMessage(HWND owner, const std::string& text, UINT style);
// The texts of the given string-table entries, joined in order.
int ShowStringMessage(HWND owner, std::initializer_list<UINT> ids, UINT style);

}  // namespace wingui
