#pragma once
// The size of a label's text: the widest line by the sum of the line
// heights, lines split at line feeds.
#include <string_view>

#include "PixelGeometry.h"

namespace menulayout {

template <class MeasureLine>
PixelSize SizeOfTextBlock(std::string_view text, MeasureLine measure) {
    PixelSize total;
    for (;;) {
        const size_t feed = text.find('\n');
        const PixelSize line = measure(text.substr(0, feed));
        if (line.width > total.width) total.width = line.width;
        total.height += line.height;
        if (feed == std::string_view::npos) break;
        text.remove_prefix(feed + 1);
    }
    return total;
}

}  // namespace menulayout
