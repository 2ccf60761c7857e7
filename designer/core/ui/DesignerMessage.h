#pragma once
// The designer's message boxes: a string-table text with its arguments put
// in, the program's name as caption.
#include <windows.h>

#include <string>
#include <vector>

int ShowDesignerMessage(HWND owner, UINT textId, UINT style, const std::vector<std::string>& arguments = {});
