#pragma once
// The step pictures (bitmaps 384 to 398) as an image list at one size, in the
// order the caller names them; magenta stays transparent.
#include <windows.h>

#include <initializer_list>

#include "controls/ImageList.h"

wingui::ImageList LoadStepPictures(int size, std::initializer_list<UINT> bitmapIds);
