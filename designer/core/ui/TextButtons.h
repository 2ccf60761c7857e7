#pragma once
// The picture buttons of a designer window: each an owner-drawn button of
// the dialog template drawn from one of the bitmap sets ("TxtButton",
// "TreeButton", "BigButton", "Help"), with its caption on top. The window
// hands its WM_DRAWITEM requests here.
#include <windows.h>

#include <memory>
#include <vector>

#include "ButtonTxt.h"

class CTextButtons {
public:
    // withCaption false: the picture alone (the help buttons).
    void Add(HWND dialog, int id, const char* bitmapSet, bool withCaption = true);
    // True when the item is one of these buttons (and it was drawn).
    bool DrawItem(const DRAWITEMSTRUCT& item);

private:
    struct Entry {
        int id;
        std::unique_ptr<CButtonTxt> button;
    };
    std::vector<Entry> buttons_;
};
