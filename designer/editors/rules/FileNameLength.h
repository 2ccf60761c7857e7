#pragma once
// File names on the disc may hold at most 108 characters; a longer one is
// renamed by the author, and a new name keeps the old extension.
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxDiscFileName = 108;

bool IsTooLongForDisc(std::string_view fileName);
// The new name, with "." and the old extension added when its own
// extension differs (any case).
std::string KeepingExtension(std::string_view newName, std::string_view oldExtension);
