#pragma once
// The few file-system operations the standard-viewer record needs for its
// folder below the designer's "Viewers" directory.
#include <string>

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

bool PathExists(const std::string& path);
// Creates the directory and every missing level above it.
bool CreateDirectoryPath(const std::string& path);
// "Viewers" beside the running designer.
std::string DesignerViewersDirectory();

}  // namespace viewer_folders
