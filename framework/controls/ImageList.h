#pragma once
// An owned image list: the pictures of a tree view's items.
#include <windows.h>
#include <commctrl.h>

#include "Handles.h"

namespace wingui {

struct ImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static bool IsValid(HIMAGELIST list) { return list != nullptr; }
    static void Close(HIMAGELIST list) { ImageList_Destroy(list); }
};
using ImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;

// The bitmap resource cut into images of the given width; pixels of the mask
// colour are transparent.
ImageList LoadImageStrip(UINT bitmapId, int imageWidth, COLORREF mask);

}  // namespace wingui
