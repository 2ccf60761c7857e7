#pragma once
// The directory in which new project directories are proposed: the author's
// "ImageBaseDir" in the registry, found or made on first use and written
// back, always with a trailing backslash.
#include <string>

std::string ReadImageBaseDirectory();
