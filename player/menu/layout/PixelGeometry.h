#pragma once
// Plain pixel positions and sizes for the menu's layout arithmetic.

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
// the menu layout is computed.
inline int Truncate(double value) { return static_cast<int>(value); }

}  // namespace menulayout
