#include "MessageLoop.h"

#include <algorithm>
#include <vector>

namespace wingui {

namespace {

std::vector<HWND>& ThreadDialogs() {
    thread_local std::vector<HWND> dialogs;
    return dialogs;
}

}  // namespace

void CMessageLoop::AddDialog(HWND dialog) {
    auto& dialogs = ThreadDialogs();
    if (std::find(dialogs.begin(), dialogs.end(), dialog) == dialogs.end()) dialogs.push_back(dialog);
}

void CMessageLoop::RemoveDialog(HWND dialog) {
    auto& dialogs = ThreadDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
}

bool CMessageLoop::PreTranslate(MSG& message) const {
    if (accelerators_ && acceleratorTarget_ && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
        TranslateAcceleratorA(acceleratorTarget_, accelerators_, &message)) {
        return true;
    }
    if (navigationRoot_ && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
        (message.hwnd == navigationRoot_ || IsChild(navigationRoot_, message.hwnd)) &&
        IsDialogMessageA(navigationRoot_, &message)) {
        return true;
    }
    // Innermost first: a child dialog inside a modeless one gets its own keys.
    const auto& dialogs = ThreadDialogs();
    for (auto dialog = dialogs.rbegin(); dialog != dialogs.rend(); ++dialog) {
        if (*dialog != message.hwnd && !IsChild(*dialog, message.hwnd)) continue;
        if (IsDialogMessageA(*dialog, &message)) return true;
    }
    return false;
}

int CMessageLoop::Run() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}

}  // namespace wingui
