#pragma once
// Plain pixel positions and sizes for the menu's layout arithmetic.

#include <algorithm>
#include <climits>

namespace menulayout {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
    bool Empty() const { return width <= 0 || height <= 0; }
};

// Truncation toward zero of a double-precision value, as every fraction of
// the menu layout is computed. Values beyond the range of int (a settings file
// may hold any number) stop at its ends; not-a-number is 0.
inline int Truncate(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    return static_cast<int>(value);
}

// A font size in points from a settings file, in the range a font can have.
inline constexpr int kMaxFontPoints = 1000;
inline int FontTenths(int points) { return std::clamp(points, 0, kMaxFontPoints) * 10; }

}  // namespace menulayout
