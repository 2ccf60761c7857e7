#pragma once
// The two names each entry has on the disc: the ISO 9660 name every reader
// understands (upper case, 8.3, unique in its folder) and the Joliet name
// Windows shows (the real name in UCS-2, up to 108 characters).
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxJolietName = 108;

// Windows code page 1252 text as UCS-2 code units.
std::u16string WindowsTextToUcs2(std::string_view text);

// The names of one folder's entries, in the entries' order; each unique
// within the folder.
std::vector<std::string> IsoNamesFor(const std::vector<std::string>& names, const std::vector<bool>& directories);
std::vector<std::u16string> JolietNamesFor(const std::vector<std::string>& names, const std::vector<bool>& directories);
