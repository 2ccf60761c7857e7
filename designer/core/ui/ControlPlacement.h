#pragma once
// Moving a dialog's controls when the dialog lays itself out for a mode.
#include <windows.h>

#include "ScreenScale.h"

// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);
void MoveControl(HWND control, const RECT& rect);
void MoveControlBy(HWND control, int dx, int dy);
// The screen's pixels per inch now, for sizes given at 96.
ScreenScale ScreenScaleNow();
