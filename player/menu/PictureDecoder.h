#pragma once
// Decodes a picture held in memory (bitmap, JPEG, GIF, icon, metafile) with
// the platform's picture loader, and renders it.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstddef>
#include <cstdint>

#include "ComPtr.h"

struct DecodedPicture {
    wingui::ComPtr<IPicture> picture;
    OLE_XSIZE_HIMETRIC himetricWidth = 0;
    OLE_YSIZE_HIMETRIC himetricHeight = 0;
    SIZE pixels = {0, 0};  // the extent at the screen's pixels per inch
};

// False when the data is no picture the platform can read.
bool DecodePicture(const std::uint8_t* data, std::size_t size, DecodedPicture& decoded);

// Draws the whole picture stretched into the rectangle.
void RenderPicture(const DecodedPicture& decoded, HDC dc, int x, int y, int width, int height);
