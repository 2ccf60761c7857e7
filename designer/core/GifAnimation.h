#pragma once
// The frames of an animated GIF picture, each the whole picture as it is
// shown at that moment (earlier frames and their disposal applied), with
// how long it stays. Only what the designer's own animation needs of the
// format is kept, but any well-formed file decodes; a damaged one gives no
// frames, never a read outside the data.
#include <cstdint>
#include <span>
#include <vector>

struct GifFrame {
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row by row from the top
    int delayMs = 100;
};

struct GifAnimation {
    int width = 0;
    int height = 0;
    std::vector<GifFrame> frames;
};

// Empty (no frames) when the data is no GIF picture or is damaged.
GifAnimation DecodeGif(std::span<const std::uint8_t> data);
