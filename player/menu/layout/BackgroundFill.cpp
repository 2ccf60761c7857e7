#include "BackgroundFill.h"

namespace menulayout {

GradientFill GradientFor(int type, int cw, int ch, RgbColor color1, RgbColor color2) {
    GradientFill fill;
    fill.horizontal = type == 1 || type == 2;
    if (type == 1) {
        fill.pieces = {{0, 0, color1, cw / 2, ch, color2}, {cw / 2, 0, color2, cw, ch, color1}};
    } else if (type == 5) {
        fill.pieces = {{0, 0, color1, cw, ch / 2, color2}, {0, ch / 2, color2, cw, ch, color1}};
    } else {
        fill.pieces = {{0, 0, color1, cw, ch, color2}};
    }
    return fill;
}

std::vector<PixelPoint> TilePositions(int cw, int ch, int bmW, int bmH) {
    std::vector<PixelPoint> tiles;
    if (bmW <= 0 || bmH <= 0) return tiles;
    for (int y = 0; y < ch; y += bmH) {
        for (int x = 0; x < cw; x += bmW) tiles.push_back({x, y});
    }
    return tiles;
}

PixelPoint CenteredPosition(int cw, int ch, int bmW, int bmH) {
    return {bmW < cw ? (cw - bmW) / 2 : 0, bmH < ch ? (ch - bmH) / 2 : 0};
}

}  // namespace menulayout
