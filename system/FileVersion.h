#pragma once
// The file version of a program or library from its version resource.
#include <string>

// False when the file has no version resource. Otherwise the file version as
// "major.minor" with two minor digits ("%hu.%02hu") when shortForm is set, or
// "major.minor.build.revision".
bool GetFileVersionText(const std::string& file, bool shortForm, std::string& version);
