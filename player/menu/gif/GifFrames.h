#pragma once
// Splits a GIF file into its frames, each made a stand-alone GIF that the
// platform's picture loader can decode on its own. The files come from a
// disc we did not make: every length and offset is checked against the
// data, and nothing is read outside it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gif {

enum Disposal : int { kDisposalNone = 0, kDisposalKeep = 1, kDisposalBackground = 2, kDisposalPrevious = 3 };

struct GifFrame {
    std::vector<std::uint8_t> data;  // a whole GIF holding this frame alone, at 0, 0
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int delay = 0;     // hundredths of a second
    int disposal = 0;  // Disposal
};

struct GifFrames {
    int width = 0;   // the logical screen
    int height = 0;
    std::vector<GifFrame> frames;
};

// More frames than this are not shown; a crafted file cannot make us hold
// a copy of the colour table for each of millions of empty frames.
constexpr std::size_t kMaxGifFrames = 1024;

// "GIF87a" or "GIF89a".
bool IsGif(const std::uint8_t* data, std::size_t size);

// The frames of the file. Stops at the trailer, at a byte that starts no
// block, or at a block that runs past the end of the data (the complete
// frames before it are kept). False when the header is broken or no
// complete frame was found.
bool SplitGif(const std::uint8_t* data, std::size_t size, GifFrames& result);

// How long a frame stays: its delay when above 4 hundredths, else 100 ms.
inline unsigned FrameDurationMs(int delay) { return delay > 4 ? unsigned(delay) * 10u : 100u; }

}  // namespace gif
