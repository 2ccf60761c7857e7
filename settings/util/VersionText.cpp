#include "VersionText.h"

#include <cstdint>

namespace {

// Large enough for any real version; keeps the accumulation from overflowing.
constexpr std::uint64_t kNumberLimit = 1'000'000'000'000'000ULL;

// Accumulates decimal digits from position up to the next "." (skipped) or the end.
std::uint64_t ReadComponent(std::string_view text, size_t& position) {
    std::uint64_t number = 0;
    while (position < text.size() && text[position] != '.') {
        char c = text[position++];
        unsigned digit = (c >= '0' && c <= '9') ? unsigned(c - '0') : 0;
        if (number < kNumberLimit) number = number * 10 + digit;
    }
    if (position < text.size()) ++position;
    return number;
}

struct MajorMinor {
    std::uint64_t major;
    std::uint64_t minor;
};

MajorMinor ReadVersion(std::string_view text) {
    size_t position = 0;
    std::uint64_t major = ReadComponent(text, position);
    std::uint64_t minor = ReadComponent(text, position);
    return {major, minor};
}

}  // namespace

int CompareVersions(std::string_view first, std::string_view second) {
    MajorMinor a = ReadVersion(first);
    MajorMinor b = ReadVersion(second);
    if (a.major != b.major) return a.major > b.major ? 1 : 2;
    if (a.minor != b.minor) return a.minor > b.minor ? 1 : 2;
    return 0;
}
