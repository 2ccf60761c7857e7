#include "ImageList.h"

namespace wingui {

ImageList LoadImageStrip(UINT bitmapId, int imageWidth, COLORREF mask) {
    return ImageList(ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId), imageWidth, 1,
                                          mask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

}  // namespace wingui
