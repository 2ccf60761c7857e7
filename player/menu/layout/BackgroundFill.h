#pragma once
// The geometry of the menu's background fills: gradient pieces, tiles and
// the centred picture.
#include <vector>

#include "ValueEncoding.h"
#include "PixelGeometry.h"

namespace menulayout {

// One gradient rectangle from (left, top) in the first colour to
// (right, bottom) in the second.
struct GradientPiece {
    int left = 0;
    int top = 0;
    RgbColor from = 0;
    int right = 0;
    int bottom = 0;
    RgbColor to = 0;
    bool operator==(const GradientPiece&) const = default;
};

struct GradientFill {
    bool horizontal = false;
    std::vector<GradientPiece> pieces;
};

// BackgroundType 1 and 5 reflect (Color1 at the edges, Color2 in the
// middle), 2 and 6 run from Color1 to Color2; 1 and 2 run across, every
// other value down.
GradientFill GradientFor(int backgroundType, int clientWidth, int clientHeight, RgbColor color1, RgbColor color2);

// The platform's gradient vertices take each channel as a 16-bit value.
inline unsigned short GradientChannel(unsigned channel) { return static_cast<unsigned short>((channel & 0xFF) << 8); }

// Top-left corners of the tiles that cover the client area.
std::vector<PixelPoint> TilePositions(int clientWidth, int clientHeight, int bitmapWidth, int bitmapHeight);

// Where a picture goes when centred; 0 in a direction in which it is not
// smaller than the client area.
PixelPoint CenteredPosition(int clientWidth, int clientHeight, int bitmapWidth, int bitmapHeight);

}  // namespace menulayout
