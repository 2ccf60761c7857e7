#include "StandardMenuLayout.h"

#include <algorithm>

#include "PictureFit.h"

namespace menulayout {

namespace {

// The doubles nearest to the design's fractions.
constexpr double kHeader = 0.2101010101010101;        // 104 / 495
constexpr double kLogoX = 0.030303030303030304;       // 20 / 660
constexpr double kLogoY = 0.04040404040404041;        // 20 / 495
constexpr double kLogoWidth = 0.22727272727272727;    // 150 / 660
constexpr double kLogoHeight = 0.13131313131313133;   // 65 / 495
constexpr double kButtonX = 0.013636363636363636;     // 9 / 660
constexpr double kButtonsTop = 0.22424242424242424;   // 111 / 495
constexpr double kButtonsBottom = 0.026262626262626262;  // 13 / 495
constexpr double kImageGap = 0.01818181818181818;     // 12 / 660
constexpr double kImageMargin = 0.022727272727272728;  // 15 / 660

constexpr int kTitleLeft = 20;
constexpr int kTitleAfterLogo = 30;
constexpr int kCloseMargin = 3;

void PlaceTitles(const StandardMenuInput& in, int titleLeft, StandardMenuLayout& out) {
    const int width = Truncate(in.outer.width - 40.0);
    out.subtitleVisible = in.hasSubtitle;
    if (in.hasSubtitle) {
        const int yTitle = (out.headerHeight - in.title.height - in.subtitle.height) / 2;
        out.title = {titleLeft, yTitle, width, in.title.height};
        out.subtitle = {titleLeft, yTitle + in.title.height, width, in.subtitle.height};
    } else {
        out.title = {titleLeft, (out.headerHeight - in.title.height) / 2, width, in.title.height};
    }
}

int ButtonColumn(const StandardMenuInput& in) {
    const int wm = in.client.width;
    const int bw = in.buttonPicture.width;
    const int left = Truncate(wm * kButtonX);
    if (in.layoutType == 3) return wm - left - bw;
    if (in.layoutType == 2) return (wm - bw) / 2;
    return left;
}

}  // namespace

StandardMenuLayout LayOutStandardMenu(const StandardMenuInput& in) {
    StandardMenuLayout out;
    const int wm = in.client.width;
    const int hm = in.client.height;
    out.headerHeight = Truncate(in.outer.height * kHeader);

    out.closeVisible = !in.framed;
    out.close = {Truncate(in.outer.width - double(kCloseMargin) - in.closePicture.width), kCloseMargin};

    int titleLeft = kTitleLeft;
    if (in.hasLogo) {
        out.logoVisible = true;
        out.logo = {Truncate(wm * kLogoX), Truncate(hm * kLogoY), Truncate(wm * kLogoWidth), Truncate(hm * kLogoHeight)};
        out.logoPaint = FitPicture(out.logo.width, out.logo.height, in.logoPicture.width, in.logoPicture.height,
                                   LogoFitFlags());
        out.logoWindow = {out.logo.x, out.logo.y, out.logoPaint.x + out.logoPaint.width, out.logo.height};
        titleLeft = out.logoPaint.width + kTitleAfterLogo;
        out.titlesCentered = false;
    }
    PlaceTitles(in, titleLeft, out);

    const int n = std::clamp(in.buttonCount, 0, kMaxMenuButtons);
    const int bx = ButtonColumn(in);
    const int bh = in.buttonPicture.height;
    const int top = Truncate(hm * kButtonsTop);
    const int bottom = Truncate(hm * kButtonsBottom);
    const int gap = (hm - n * bh - bottom - top) / (n + 1);
    for (int i = 0; i < n; ++i) out.buttons.push_back({bx, top + gap + i * (bh + gap)});

    // Only the two layouts with an image column have room for it.
    out.imageVisible = in.showImage && (in.layoutType == 1 || in.layoutType == 3);
    if (out.imageVisible) {
        const int bw = in.buttonPicture.width;
        int x = 0;
        int width = 0;
        if (in.layoutType == 1) {
            x = Truncate(bx + bw + wm * kImageGap);
            width = Truncate(wm - x - wm * kImageMargin);
        } else {
            x = Truncate(wm * kImageMargin);
            width = Truncate(bx - x - wm * kImageGap);
        }
        out.image = {x, top, width, hm - top - bottom};
    }
    return out;
}

}  // namespace menulayout
