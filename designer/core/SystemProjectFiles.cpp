#include "SystemProjectFiles.h"

#include "FileUtil.h"

bool CSystemProjectFiles::IsDirectory(const std::string& path) { return ::IsDirectory(path); }

bool CSystemProjectFiles::FileExists(const std::string& path) { return ::FileExists(path); }

bool CSystemProjectFiles::CreateDirectoryPath(const std::string& path) { return ::CreateDirectoryPath(path); }

bool CSystemProjectFiles::CreateEmptyFile(const std::string& path) { return ::CreateEmptyFile(path); }

bool CSystemProjectFiles::DeleteDirectoryTree(const std::string& path) { return ::DeleteDirectoryTree(path); }
