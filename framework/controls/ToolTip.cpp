#include "ToolTip.h"

#include <commctrl.h>

#include <vector>

namespace wingui {

namespace {

TOOLINFOA ToolFor(HWND owner, HWND control) {
    TOOLINFOA tool = {};
    // The size of the structure without the trailing reserved member keeps
    // the message valid for every version of the control.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

}  // namespace

CToolTip::~CToolTip() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool CToolTip::Create(HWND owner) {
    if (hwnd_) return true;
    owner_ = owner;
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    return hwnd_ != nullptr;
}

bool CToolTip::Add(HWND control, const std::string& text) {
    if (!hwnd_ || !control) return false;
    TOOLINFOA tool = ToolFor(owner_, control);
    tool.lpszText = const_cast<char*>(text.c_str());
    return SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

std::string CToolTip::TextOf(HWND control) const {
    if (!hwnd_) return {};
    // Tips are a line or two; the control copies at most 80 characters
    // unless told the buffer's size.
    std::vector<char> text(1024, '\0');
    TOOLINFOA tool = ToolFor(owner_, control);
    tool.lpszText = text.data();
    SendMessageA(hwnd_, TTM_GETTEXTA, WPARAM(text.size()), reinterpret_cast<LPARAM>(&tool));
    return std::string(text.data());
}

int CToolTip::Count() const { return hwnd_ ? int(SendMessageA(hwnd_, TTM_GETTOOLCOUNT, 0, 0)) : 0; }

void CToolTip::SetMaxWidth(int pixels) {
    if (hwnd_) SendMessageA(hwnd_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

}  // namespace wingui
