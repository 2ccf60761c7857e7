#include "MessageBox.h"

#include "Application.h"
#include "ResourceString.h"

namespace wingui {

int ShowMessage(HWND owner, const std::string& text, UINT style) {
    CApplication* app = CApplication::Current();
    const char* caption = app ? app->AppName().c_str() : "";
    return MessageBoxA(owner, text.c_str(), caption, style);
}

int ShowStringMessage(HWND owner, std::initializer_list<UINT> ids, UINT style) {
    return ShowMessage(owner, LoadResourceStrings(ids), style);
}

}  // namespace wingui
