#include "WindowText.h"

namespace wingui {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(std::size_t(length) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), length + 1);
    text.resize(got > 0 ? std::size_t(got) : 0);
    return text;
}

std::string DialogItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

}  // namespace wingui
