#include "LocalFiles.h"

#include <windows.h>

#include <cctype>
#include <vector>

#include "PathNames.h"

namespace {

bool IsDriveRoot(const std::string& path) {
    return (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) && path[1] == ':' &&
           std::isalpha(static_cast<unsigned char>(path[0]));
}

}  // namespace

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(path.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

bool IsExistingFile(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDirectory(const std::string& path) {
    if (IsDriveRoot(path)) return GetDriveTypeA(AppendBackslash(path).c_str()) != DRIVE_NO_ROOT_DIR;
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA((AppendBackslash(path) + ".").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDirectoryPath(const std::string& path) {
    if (path.empty()) return false;
    if (IsDirectory(path)) return true;
    for (const std::string& level : DirectoryPathLevels(path)) {
        if (!CreateDirectoryA(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    // An existing file of the same name is not a directory.
    return IsDirectory(path);
}

bool CopyFileOver(const std::string& source, const std::string& target) {
    return CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
}

std::string GetModulePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), DWORD(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= 32768) return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

std::string GetModuleDirectory() {
    const std::string path = GetModulePath();
    return path.empty() ? std::string() : GetDirectoryPart(path);
}
