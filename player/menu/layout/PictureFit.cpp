#include "PictureFit.h"

namespace menulayout {

FitFlags FitFlagsForImageStyle(int imageBitmapStyle) {
    FitFlags flags;
    flags.stretchToFill = imageBitmapStyle == 3;
    flags.bestFit = imageBitmapStyle == 4;
    return flags;
}

PixelRect FitPicture(int w, int h, int pw, int ph, FitFlags flags) {
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0) return {};
    if (flags.stretchToFill) return {0, 0, w, h};
    if (flags.bestFit && pw <= w && ph < h) {
        return {flags.alignLeft ? 0 : (w - pw) / 2, (h - ph) / 2, pw, ph};
    }
    // Scaled keeping the aspect ratio, in single precision.
    const float sx = float(w) / float(pw);
    const float sy = float(h) / float(ph);
    if (sy > sx) {
        const int height = static_cast<int>(float(ph) * sx);
        return {0, (h - height) / 2, w, height};
    }
    const int width = static_cast<int>(float(pw) * sy);
    return {flags.alignLeft ? 0 : (w - width) / 2, 0, width, h};
}

}  // namespace menulayout
