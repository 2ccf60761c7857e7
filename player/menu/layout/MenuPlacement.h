#pragma once
// Where the menu window goes on the screen's work area.
#include "PixelGeometry.h"

class CSettingsHtml;

namespace menulayout {

struct PlacementRequest {
    int width = 660;
    int height = 495;
    int locationType = 1;    // 1 preset, 2 custom by the offsets
    int presetLocation = 1;  // 1 to 9
    int horizOffset = 50;    // percent
    int vertOffset = 50;     // percent
};

// The request a menu record makes, its numbers as the file gave them.
PlacementRequest PlacementFor(const CSettingsHtml& menu);

// The window's client rectangle in screen coordinates: its size limited to
// the work area, placed by the preset or the two offsets. A preset outside
// 1 to 9 centres the window.
PixelRect PlaceMenuWindow(const PixelRect& workArea, const PlacementRequest& request);

// A framed window whose client area must keep the placed rectangle: the
// outer rectangle of outerWidth x outerHeight, shifted so that the extra
// frame is shared out around the requested place.
PixelRect CenterFrameAround(const PixelRect& placed, int outerWidth, int outerHeight);

}  // namespace menulayout
