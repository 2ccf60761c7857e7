#include "AnsiText.h"

#include <windows.h>

namespace wingui {

std::wstring WideFromAnsi(const std::string& text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(size > 0 ? size : 0), L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), size);
    return wide;
}

std::string AnsiFromWide(const wchar_t* text) {
    if (!text || !*text) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string ansi(std::size_t(size - 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

}  // namespace wingui
