#pragma once
// A tree-view control of a dialog or window: items with text, a picture from
// the control's image list and a value of the caller's.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace wingui {

class CTreeView {
public:
    void Attach(HWND control) { hwnd_ = control; }
    HWND Handle() const { return hwnd_; }

    // The list stays the caller's; the control only draws from it.
    void SetImageList(HIMAGELIST images);
    // After TVI_LAST, TVI_FIRST or a sibling; null parent for the root level.
    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const std::string& text, int image, LPARAM data);
    bool Delete(HTREEITEM item);
    void DeleteAll();

    HTREEITEM Selection() const;
    bool Select(HTREEITEM item);
    void Expand(HTREEITEM item);

    HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
    HTREEITEM Parent(HTREEITEM item) const { return Next(item, TVGN_PARENT); }
    HTREEITEM FirstChild(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM NextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    HTREEITEM PreviousSibling(HTREEITEM item) const { return Next(item, TVGN_PREVIOUS); }

    std::string Text(HTREEITEM item) const;
    bool SetText(HTREEITEM item, const std::string& text);
    LPARAM Data(HTREEITEM item) const;
    int Image(HTREEITEM item) const;
    bool SetImage(HTREEITEM item, int image);
    int Count() const;

private:
    HTREEITEM Next(HTREEITEM item, UINT relation) const;

    HWND hwnd_ = nullptr;
};

}  // namespace wingui
