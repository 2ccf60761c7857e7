#pragma once
// Reads a whole file through the platform's file functions, refusing files
// larger than the caller allows (pictures and sounds come from a disc we did
// not make).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

bool ReadFileBytes(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& bytes);
