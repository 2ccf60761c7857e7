#pragma once
// Where every control of the standard menu goes, from the window's sizes and
// the sizes of what was loaded into the controls. All positions are in the
// window's client coordinates; fractions are of the 660 x 495 design.
#include <vector>

#include "PixelGeometry.h"

namespace menulayout {

constexpr int kMaxMenuButtons = 12;

struct StandardMenuInput {
    PixelSize outer;   // W x H, the window rectangle
    PixelSize client;  // Wm x Hm, fixed when the window was placed
    bool framed = false;
    PixelSize closePicture;  // the close button's normal picture
    bool hasLogo = false;
    PixelSize logoPicture;  // 0 x 0 when the logo failed to load
    PixelSize title;        // the title label sized to its text
    bool hasSubtitle = false;
    PixelSize subtitle;
    int buttonCount = 0;     // button records; only the first twelve show
    PixelSize buttonPicture;  // the first button's normal picture, 0 x 0 when missing
    int layoutType = 1;       // 1 buttons left, 2 centred without image, 3 buttons right
    bool showImage = false;   // UseImage set and an image named
};

struct StandardMenuLayout {
    int headerHeight = 0;
    bool closeVisible = false;
    PixelPoint close;
    bool logoVisible = false;
    PixelRect logo;       // the logo's area in the design
    PixelRect logoPaint;  // where the picture is drawn inside that area
    // The logo control: the area narrowed to the drawn picture, so that it
    // never lies under the titles that start after it.
    PixelRect logoWindow;
    bool titlesCentered = true;
    PixelRect title;
    bool subtitleVisible = false;
    PixelRect subtitle;
    std::vector<PixelPoint> buttons;  // one per shown button record
    bool imageVisible = false;
    PixelRect image;
};

StandardMenuLayout LayOutStandardMenu(const StandardMenuInput& input);

}  // namespace menulayout
