#include "ComboBox.h"

namespace wingui {

int CComboBox::Add(const std::string& text, LPARAM data) {
    const LRESULT index = SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) return -1;
    SendMessageA(hwnd_, CB_SETITEMDATA, WPARAM(index), data);
    return int(index);
}

void CComboBox::Clear() { SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0); }

int CComboBox::Count() const { return int(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }

void CComboBox::Select(int index) { SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(index), 0); }

void CComboBox::SelectData(LPARAM data) {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        if (SendMessageA(hwnd_, CB_GETITEMDATA, WPARAM(i), 0) == data) {
            Select(i);
            return;
        }
    }
}

std::optional<LPARAM> CComboBox::SelectedData() const {
    const LRESULT index = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    return LPARAM(SendMessageA(hwnd_, CB_GETITEMDATA, WPARAM(index), 0));
}

}  // namespace wingui
