#pragma once
// The few questions about local files that the settings model itself asks
// (library pictures, viewer folders), answered by the platform. Natively a
// path may be written with backslashes; they are read as slashes.
#include <string>

// The separator between directory levels on this platform.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The directory followed by the name, with one separator between them.
inline std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == kPathSeparator) return directory + name;
    return directory + kPathSeparator + name;
}

// True when something is found at the path (a file, a directory or, on
// Windows, a wildcard match).
bool FileExists(const std::string& path);
// True for an existing file that is no directory.
bool IsExistingFile(const std::string& path);
// A drive root ("C:" or "C:\") of an existing drive is a directory; other
// paths when they exist with the directory attribute.
bool IsDirectory(const std::string& path);
// Creates every missing directory of the path, top down. True when the whole
// path exists as a directory afterwards.
bool CreateDirectoryPath(const std::string& path);
// Copies one file, replacing the target.
bool CopyFileOver(const std::string& source, const std::string& target);
// The running program's file, whatever the length of its path; empty when
// the platform cannot tell.
std::string GetModulePath();
// The running program's directory, without a trailing separator.
std::string GetModuleDirectory();
