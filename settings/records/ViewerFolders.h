#pragma once
// The standard-viewer record's folders below the designer's "Viewers"
// directory.
#include <string>

#include "../util/LocalFiles.h"

namespace viewer_folders {

// The separator between directory levels on this platform.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

inline std::string Join(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == kSeparator) return directory + name;
    return directory + kSeparator + name;
}

// "Viewers" beside the running designer.
inline std::string DesignerViewersDirectory() { return Join(GetModuleDirectory(), "Viewers"); }

}  // namespace viewer_folders
