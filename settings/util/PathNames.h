#pragma once
// Pieces of Windows paths and file names. Paths use the backslash; nothing
// here touches the file system.
#include <string>
#include <string_view>
#include <vector>

// The text after the last "." of the file name, without the dot; empty when
// the file name has none (a dot in a directory name does not count).
std::string GetExtension(std::string_view path);

// The text before the last backslash; empty when there is none.
std::string GetDirectoryPart(std::string_view path);

// The path without its extension when the last "." comes after the last
// backslash; otherwise the path unchanged.
std::string RemoveExtension(std::string_view path);

// The text after the last backslash, with or without its extension.
std::string GetFileName(std::string_view path, bool withoutExtension);

// The path with a backslash appended unless it is empty or ends with one.
std::string AppendBackslash(std::string_view path);

// The name with "\", "/", ":", "*", "?", "<", ">" and the double quote
// removed and "|" replaced by "_". A result that would be empty, "." or ".."
// is "_" instead, so the result can always be used as a file name.
std::string MakeValidFileName(std::string_view name);

// True when the last three characters are "exe", "bat" or "com", any case.
bool IsExecutableName(std::string_view name);

// True when the last three characters are "bat", any case.
bool IsBatchFileName(std::string_view name);

// True when the extension can be part of a file name in the directory it is
// meant for: not empty, no path separators, no "..", no characters that a
// file name cannot hold.
bool IsSafeExtension(std::string_view extension);

// A project-relative name ("\Docs\Manual.pdf") placed below a base directory:
// one leading backslash of the relative name is dropped and one backslash
// joins the two.
std::string JoinProjectPath(std::string_view baseDirectory, std::string_view relativePath);

// True when the relative name, after its first character, holds no further
// backslash: the name lies directly in the project directory.
bool IsRootLevelName(std::string_view relativePath);

// The parts of a path between its backslashes or forward slashes; empty
// parts (repeated or outer separators) are left out.
std::vector<std::string_view> PathComponents(std::string_view path);

// True when a full path (as the platform's full-path function gives it) names
// the root of a volume, however spelled: "C:", "C:\", "\\server\share",
// "\\?\C:\", "\\.\C:", "\\?\UNC\server\share", "\\?\Volume{...}\", or
// nothing at all, and every other device path ("\\.\PhysicalDrive0",
// "\\?\GLOBALROOT\..."). Forward slashes count as backslashes.
bool IsVolumeRootPath(std::string_view fullPath);

// The directories to create, top down, so that the whole path exists: every
// prefix that ends before a separator, after the drive part ("C:"), a leading
// backslash or the server and share of a network path, then the path itself
// (without a trailing separator).
std::vector<std::string> DirectoryPathLevels(std::string_view path);
