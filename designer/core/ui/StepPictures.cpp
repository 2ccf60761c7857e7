#include "StepPictures.h"

#include "Handles.h"

wingui::ImageList LoadStepPictures(int size, std::initializer_list<UINT> bitmapIds) {
    wingui::ImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, int(bitmapIds.size()), 0));
    for (UINT id : bitmapIds) {
        wingui::Bitmap picture(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, size, size, LR_DEFAULTCOLOR)));
        ImageList_AddMasked(list.Get(), picture.Get(), RGB(255, 0, 255));
    }
    return list;
}
