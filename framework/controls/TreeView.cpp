#include "TreeView.h"

#include <vector>

namespace wingui {

void CTreeView::SetImageList(HIMAGELIST images) {
    SendMessageA(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}

HTREEITEM CTreeView::Insert(HTREEITEM parent, HTREEITEM after, const std::string& text, int image, LPARAM data) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = after ? after : TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessageA(hwnd_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool CTreeView::Delete(HTREEITEM item) {
    return item && SendMessageA(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

void CTreeView::DeleteAll() { SendMessageA(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

HTREEITEM CTreeView::Selection() const { return Next(nullptr, TVGN_CARET); }

bool CTreeView::Select(HTREEITEM item) {
    return SendMessageA(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

void CTreeView::Expand(HTREEITEM item) {
    SendMessageA(hwnd_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

HTREEITEM CTreeView::Next(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(hwnd_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::string CTreeView::Text(HTREEITEM item) const {
    // Item texts are short names; the control cuts what does not fit.
    std::vector<char> text(1024, '\0');
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text.data();
    query.cchTextMax = int(text.size());
    if (!SendMessageA(hwnd_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return {};
    return query.pszText ? std::string(query.pszText) : std::string();
}

bool CTreeView::SetText(HTREEITEM item, const std::string& text) {
    TVITEMA change = {};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = const_cast<char*>(text.c_str());
    return SendMessageA(hwnd_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)) != 0;
}

LPARAM CTreeView::Data(HTREEITEM item) const {
    TVITEMA query = {};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    return SendMessageA(hwnd_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) ? query.lParam : 0;
}

int CTreeView::Image(HTREEITEM item) const {
    TVITEMA query = {};
    query.mask = TVIF_IMAGE;
    query.hItem = item;
    return SendMessageA(hwnd_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) ? query.iImage : -1;
}

bool CTreeView::SetImage(HTREEITEM item, int image) {
    TVITEMA change = {};
    change.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    change.hItem = item;
    change.iImage = image;
    change.iSelectedImage = image;
    return SendMessageA(hwnd_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)) != 0;
}

int CTreeView::Count() const { return int(SendMessageA(hwnd_, TVM_GETCOUNT, 0, 0)); }

}  // namespace wingui
