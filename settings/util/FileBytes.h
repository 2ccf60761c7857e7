#pragma once
// The whole content of a file, through the platform's file functions on
// Windows (the player carries no stream library) and the standard library
// elsewhere.
#include <cstddef>
#include <string>

enum class FileRead {
    Read,
    Missing,
    Unusable,  // there, but locked, a directory, or larger than the caller allows
};

// Files larger than maxBytes are not read: pictures, sounds and settings
// come from a disc we did not make.
FileRead ReadFileBytes(const std::string& file, std::size_t maxBytes, std::string& bytes);

// Replaces the file's content; creates it when missing.
bool WriteFileBytes(const std::string& file, const std::string& bytes);
