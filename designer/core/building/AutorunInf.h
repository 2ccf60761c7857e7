#pragma once
// The Windows AutoRun file the build puts into the project's root: the
// disc's icon, the player to open, label and AutoPlay text, no media
// handlers, and where driver installers look.
#include <string>

class CDiscSettings;

std::string AutorunInfText(const CDiscSettings& project);
