#pragma once
// Sizes as the programs show them to the author.
#include <cstdint>
#include <string>

// "%d Bytes" up to 1024 bytes (and for negative counts); above that
// "%.1f KB", above 1048576 "%.1f MB", above 1073741824 "%.1f GB".
std::string FormatSize(std::int64_t bytes);
