#pragma once
// How values are spelled in a settings file: integers, booleans, colours,
// multi-line texts and the scrambled form of the login record.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using RgbColor = std::uint32_t;  // red in the low byte, as the platform's COLORREF

constexpr RgbColor MakeRgb(unsigned red, unsigned green, unsigned blue) {
    return RgbColor((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr unsigned RedOf(RgbColor c) { return c & 0xFF; }
constexpr unsigned GreenOf(RgbColor c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlueOf(RgbColor c) { return (c >> 16) & 0xFF; }

// Leading blanks, an optional sign, then the digits up to the first other
// character; no digits gives 0. Values beyond 32 bits saturate.
std::int32_t ParseInteger(std::string_view text);
std::string FormatInteger(std::int32_t value);

bool ParseBoolean(std::string_view text);  // true exactly for "true", any case
inline const char* FormatBoolean(bool value) { return value ? "true" : "false"; }

// Line breaks are stored as "|Q^3|".
std::string EncodeMultiLine(std::string_view text);
std::string DecodeMultiLine(std::string_view stored);

// The scrambled text stays below this many characters, key and marker included.
constexpr size_t kScrambledLimit = 256;

// Empty when the scrambled text would reach kScrambledLimit: it could not be
// read back.
std::optional<std::string> Scramble(std::string_view key, std::string_view value);
// Empty when the stored text is too short to hold the key and the marker, or
// too long to be one we wrote.
std::optional<std::string> Unscramble(std::string_view key, std::string_view stored);

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);
