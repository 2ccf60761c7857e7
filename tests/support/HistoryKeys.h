#pragma once
// The first-run history of a disc as the tests set it up and look at it:
// the key of the disc number below the vendor key of HKEY_LOCAL_MACHINE.
#include <string>

namespace testwin {

// Creates the disc's key with one value ("License" = "1").
bool SetDiscHistory(const std::string& disc);
bool HasDiscHistory(const std::string& disc);
void DeleteDiscHistory(const std::string& disc);

}  // namespace testwin
