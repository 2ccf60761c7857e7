#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

namespace wingui {

// A string from the running module's string table; empty when absent.
std::string LoadResourceString(UINT id);
// Several strings joined in order, as one message made of numbered parts.
std::string LoadResourceStrings(std::initializer_list<UINT> ids);

}  // namespace wingui
