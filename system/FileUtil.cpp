#include "FileUtil.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "Handles.h"
#include "util/PathNames.h"

namespace {

bool IsDotEntry(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

bool IsLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

std::string WithoutTrailingBackslash(std::string path) {
    while (path.size() > 1 && path.back() == '\\' && path[path.size() - 2] != ':') path.pop_back();
    return path;
}

// Removes a link (junction or symbolic link) itself, whichever kind of
// entry it is, without touching its target.
void RemoveLink(const std::string& path, DWORD attributes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryA(path.c_str());
    else
        DeleteFileA(path.c_str());
}

bool DeleteContents(const std::string& directory) {
    WIN32_FIND_DATAA entry;
    wingui::FindHandle find(FindFirstFileA((AppendBackslash(directory) + "*.*").c_str(), &entry));
    if (!find) return false;
    do {
        if (IsDotEntry(entry.cFileName)) continue;
        std::string path = AppendBackslash(directory) + entry.cFileName;
        if (IsLink(entry.dwFileAttributes)) {
            RemoveLink(path, entry.dwFileAttributes);
        } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            DeleteDirectoryTree(path);
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(find.Get(), &entry));
    return true;
}

}  // namespace

bool DirectoryExists(const std::string& path, bool check) {
    if (path.empty()) return false;
    if (check && !IsDirectory(path)) return false;
    return FileExists(AppendBackslash(path) + "*.*");
}

// The path as the platform resolves it: ".", "..", forward slashes and
// relative names made plain, so that a root is seen however it is spelled.
static std::string FullPath(const std::string& path) {
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetFullPathNameA(path.c_str(), DWORD(full.size()), full.data(), nullptr);
        if (length == 0) return {};
        if (length < full.size()) return full.substr(0, length);
        full.resize(length + 1);
    }
}

bool DeleteDirectoryTree(const std::string& path) {
    if (path.empty()) return false;
    const std::string full = FullPath(path);
    // A whole drive or share is never a tree to delete.
    if (full.empty() || IsVolumeRootPath(full)) return false;
    std::string directory = WithoutTrailingBackslash(full);
    DWORD attributes = GetFileAttributesA(directory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (IsLink(attributes)) {
        RemoveLink(directory, attributes);
        return GetFileAttributesA(directory.c_str()) == INVALID_FILE_ATTRIBUTES;
    }
    if (!DeleteContents(directory)) return false;
    SetFileAttributesA(directory.c_str(), FILE_ATTRIBUTE_NORMAL);
    return RemoveDirectoryA(directory.c_str()) != 0;
}

bool CreateEmptyFile(const std::string& path) {
    wingui::KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    return bool(file);
}

bool CopyFileTo(const std::string& source, const std::string& destination, bool overwrite) {
    return CopyFileA(source.c_str(), destination.c_str(), overwrite ? FALSE : TRUE) != 0;
}

std::uint64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void ForEachDirectoryEntry(const std::string& directory, const std::function<void(const WIN32_FIND_DATAA&)>& visit) {
    WIN32_FIND_DATAA entry;
    // The basic information (no short names) in large batches: a project of
    // many files is listed without asking for what no caller uses.
    wingui::FindHandle find(FindFirstFileExA((AppendBackslash(WithoutTrailingBackslash(directory)) + "*").c_str(),
                                             FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                             FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        if (!IsDotEntry(entry.cFileName)) visit(entry);
    } while (FindNextFileA(find.Get(), &entry));
}

std::uint64_t DirectorySize(const std::string& path) {
    const std::string directory = WithoutTrailingBackslash(path);
    std::uint64_t total = 0;
    ForEachDirectoryEntry(directory, [&](const WIN32_FIND_DATAA& entry) {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!IsLinkEntry(entry)) total += DirectorySize(AppendBackslash(directory) + entry.cFileName);
        } else {
            total += EntrySize(entry);
        }
    });
    return total;
}

bool DeviceToDrive(const std::string& deviceName, std::string& driveRoot) {
    DWORD drives = GetLogicalDrives();
    for (int index = 0; index < 26; ++index) {
        if (!(drives & (1u << index))) continue;
        const char drive[3] = {char('A' + index), ':', 0};
        char target[1024] = {};
        if (!QueryDosDeviceA(drive, target, DWORD(sizeof(target)))) continue;
        if (lstrcmpiA(target, deviceName.c_str()) == 0) {
            driveRoot = std::string(drive) + "\\";
            return true;
        }
    }
    return false;
}

bool ProjectFileExists(const std::string& relativePath, const std::string& baseDirectory, bool rootOnly) {
    if (rootOnly && !IsRootLevelName(relativePath)) return false;
    return FileExists(JoinProjectPath(baseDirectory, relativePath));
}

bool ProjectDirectoryExists(const std::string& relativePath, const std::string& baseDirectory) {
    if (relativePath.empty()) return false;
    if (relativePath == "\\") return true;
    return DirectoryExists(JoinProjectPath(baseDirectory, relativePath), true);
}
