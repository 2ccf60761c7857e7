#pragma once
// The file operations the project list needs, behind an interface: the
// designer answers them with the system utilities (whose tree delete never
// leaves the directory it is given), the native tests with the standard
// library.
#include <string>

class IProjectFiles {
public:
    virtual ~IProjectFiles() = default;
    virtual bool IsDirectory(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Creates every missing level; true when the directory exists afterwards.
    virtual bool CreateDirectoryPath(const std::string& path) = 0;
    // Creates or truncates the file.
    virtual bool CreateEmptyFile(const std::string& path) = 0;
    virtual bool DeleteDirectoryTree(const std::string& path) = 0;
};
