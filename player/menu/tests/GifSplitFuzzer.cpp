// libFuzzer entry for the GIF splitter (built with clang when
// MENUWRIGHT_LIBFUZZER is on); its corpus is tests/fixtures/menu/gif.
#include <cstddef>
#include <cstdint>

#include "gif/GifFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gif::GifFrames split;
    if (gif::SplitGif(data, size, split)) {
        for (const gif::GifFrame& frame : split.frames) {
            gif::GifFrames again;
            if (!gif::SplitGif(frame.data.data(), frame.data.size(), again) || again.frames.size() != 1) __builtin_trap();
        }
    }
    return 0;
}
