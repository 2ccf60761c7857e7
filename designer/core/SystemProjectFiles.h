#pragma once
// The project list's file operations on Windows, through the system
// utilities: their tree delete refuses whole drives and never follows a
// link out of the tree.
#include "ProjectFiles.h"

class CSystemProjectFiles : public IProjectFiles {
public:
    bool IsDirectory(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CreateDirectoryPath(const std::string& path) override;
    bool CreateEmptyFile(const std::string& path) override;
    bool DeleteDirectoryTree(const std::string& path) override;
};
