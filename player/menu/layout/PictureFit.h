#pragma once
// How a picture is fitted into the rectangle of a picture control.
#include "PixelGeometry.h"

namespace menulayout {

struct FitFlags {
    bool stretchToFill = false;
    bool bestFit = false;
    bool alignLeft = false;
};

// The menu's image style: 3 stretch to fill, 4 best fit, anything else
// stretch to fit (which scales small pictures up as well).
FitFlags FitFlagsForImageStyle(int imageBitmapStyle);
// The logo keeps small pictures at their size and starts at the left.
inline FitFlags LogoFitFlags() { return {false, true, true}; }

// The rectangle, inside an area of areaWidth x areaHeight, in which a
// picture of pictureWidth x pictureHeight is drawn. Empty when the picture
// or the area has no size: there is nothing to draw.
PixelRect FitPicture(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight, FitFlags flags);

}  // namespace menulayout
