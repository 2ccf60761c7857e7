#pragma once
// Files and directories: tests, creation, deletion, sizes.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "util/LocalFiles.h"

// False for an empty path; with check set also false unless IsDirectory;
// otherwise true when the path followed by "\*.*" matches something.
bool DirectoryExists(const std::string& path, bool check);

// Deletes the directory with everything below it. Junctions and symbolic
// links are removed themselves, never what they point to. False when the
// directory cannot be listed or removed; failures on single entries are
// ignored.
bool DeleteDirectoryTree(const std::string& path);

// Creates or truncates the file.
bool CreateEmptyFile(const std::string& path);

// Copies one file; with overwrite unset, fails when the destination exists.
bool CopyFileTo(const std::string& source, const std::string& destination, bool overwrite);

// The size in bytes; 0 when the file cannot be read.
std::uint64_t FileSize(const std::string& path);

// Calls visit for every entry of the directory but "." and "..", in the
// order the file system lists them (basic information, large batches).
void ForEachDirectoryEntry(const std::string& directory, const std::function<void(const WIN32_FIND_DATAA&)>& visit);
// A junction or symbolic link: walks below a directory do not follow it.
inline bool IsLinkEntry(const WIN32_FIND_DATAA& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// The size in bytes of a listed file.
inline std::uint64_t EntrySize(const WIN32_FIND_DATAA& entry) {
    return (std::uint64_t(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

// The sum of the sizes of all files below the directory, recursively; links
// to other directories are not followed.
std::uint64_t DirectorySize(const std::string& path);

// The root ("D:\") of the drive whose device name (as QueryDosDevice gives
// it, e.g. "\Device\CdRom0") equals the given one, any case.
bool DeviceToDrive(const std::string& deviceName, std::string& driveRoot);

// The project-relative name below the base directory exists (FileExists).
// With rootOnly set, names below a subdirectory give false.
bool ProjectFileExists(const std::string& relativePath, const std::string& baseDirectory, bool rootOnly);

// False for an empty name, true for "\", otherwise DirectoryExists with check
// of the joined path.
bool ProjectDirectoryExists(const std::string& relativePath, const std::string& baseDirectory);
