#pragma once
// The whole content of a file, through the platform's file functions on
// Windows (the player carries no stream library) and the standard library
// elsewhere.
#include <string>

namespace profile {

// Files above this size are left to the key-by-key functions.
inline constexpr std::size_t kMaxCachedFileBytes = 64u << 20;

enum class FileRead {
    Read,
    Missing,
    Unusable,  // there, but locked, a directory, or larger than the bound
};

FileRead ReadFileBytes(const std::string& file, std::string& bytes);

// Replaces the file's content; creates it when missing.
bool WriteFileBytes(const std::string& file, const std::string& bytes);

}  // namespace profile
