#include "MenuPlacement.h"

#include <algorithm>

#include "records/SettingsHtml.h"

namespace menulayout {

namespace {

PixelPoint PresetPosition(int preset, int workW, int workH, int width, int height) {
    const int cx = Truncate(workW * 0.5 - width * 0.5);
    const int cy = Truncate(workH * 0.5 - height * 0.5);
    const int right = workW - width;
    const int bottom = workH - height;
    switch (preset) {
        case 2: return {cx, 0};
        case 3: return {cx, bottom};
        case 4: return {0, cy};
        case 5: return {right, cy};
        case 6: return {1, 1};
        case 7: return {right, 0};
        case 8: return {0, bottom};
        case 9: return {right, bottom};
        default: return {cx, cy};
    }
}

}  // namespace

PlacementRequest PlacementFor(const CSettingsHtml& menu) {
    PlacementRequest request;
    request.width = menu.Width;
    request.height = menu.Height;
    request.locationType = menu.LocationType;
    request.presetLocation = menu.PresetLocation;
    request.horizOffset = menu.HorizOffset;
    request.vertOffset = menu.VertOffset;
    return request;
}

PixelRect PlaceMenuWindow(const PixelRect& workArea, const PlacementRequest& request) {
    // Sizes and offsets come from the settings file as any 32-bit number: the
    // window keeps within the work area, the offsets are percentages of it.
    const int width = std::clamp(request.width, 0, std::max(workArea.width, 0));
    const int height = std::clamp(request.height, 0, std::max(workArea.height, 0));
    PixelPoint at;
    if (request.locationType == 2) {
        at.x = Truncate((workArea.width - width) * (std::clamp(request.horizOffset, 0, 100) / 100.0));
        at.y = Truncate((workArea.height - height) * (std::clamp(request.vertOffset, 0, 100) / 100.0));
    } else {
        at = PresetPosition(request.presetLocation, workArea.width, workArea.height, width, height);
    }
    return {workArea.x + at.x, workArea.y + at.y, width, height};
}

PixelRect CenterFrameAround(const PixelRect& placed, int outerWidth, int outerHeight) {
    return {placed.x - (outerWidth - placed.width) / 2, placed.y - (outerHeight - placed.height) / 2, outerWidth,
            outerHeight};
}

}  // namespace menulayout
