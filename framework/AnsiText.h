#pragma once
// Text between the programs' 8-bit Windows code page and the UTF-16 the COM
// interfaces speak.
#include <string>

namespace wingui {

std::wstring WideFromAnsi(const std::string& text);
// Empty for null.
std::string AnsiFromWide(const wchar_t* text);

}  // namespace wingui
