#include "ListBox.h"

namespace wingui {

int CListBox::Add(const std::string& text, LPARAM data) {
    const int index = int(SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0) SetData(index, data);
    return index < 0 ? -1 : index;
}

int CListBox::Insert(int index, const std::string& text, LPARAM data) {
    const int at = int(SendMessageA(hwnd_, LB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(text.c_str())));
    if (at >= 0) SetData(at, data);
    return at < 0 ? -1 : at;
}

bool CListBox::Delete(int index) { return SendMessageA(hwnd_, LB_DELETESTRING, WPARAM(index), 0) != LB_ERR; }

void CListBox::Clear() { SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0); }

int CListBox::Count() const { return int(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)); }

int CListBox::Selection() const {
    const LRESULT index = SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : int(index);
}

void CListBox::Select(int index) { SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(index), 0); }

std::string CListBox::Text(int index) const {
    const LRESULT length = SendMessageA(hwnd_, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR || length <= 0) return {};
    std::string text(std::size_t(length) + 1, '\0');
    const LRESULT got = SendMessageA(hwnd_, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : std::size_t(got));
    return text;
}

LPARAM CListBox::Data(int index) const {
    const LRESULT data = SendMessageA(hwnd_, LB_GETITEMDATA, WPARAM(index), 0);
    return data == LB_ERR ? 0 : data;
}

void CListBox::SetData(int index, LPARAM data) { SendMessageA(hwnd_, LB_SETITEMDATA, WPARAM(index), data); }

}  // namespace wingui
