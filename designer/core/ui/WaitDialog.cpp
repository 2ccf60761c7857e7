#include "WaitDialog.h"

#include <string>

#include "ControlPlacement.h"
#include "ResourceString.h"
#include "../../resource.h"

namespace {

// Texts shorter than this stand centred as one line.
constexpr std::size_t kShortText = 70;

}  // namespace

CWaitDialog::CWaitDialog(UINT titleId, UINT textId, UINT secondTextId, bool showCancel)
    : CDialog(IDD_WAIT), titleId_(titleId), textId_(textId), secondTextId_(secondTextId), showCancel_(showCancel) {}

BOOL CWaitDialog::OnInitDialog() {
    ShowWindow(Item(IDCANCEL), showCancel_ ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDOK), SW_HIDE);
    std::string text = wingui::LoadResourceString(textId_);
    if (secondTextId_ != 0) text += wingui::LoadResourceString(secondTextId_);
    SetDlgItemTextA(Handle(), IDC_WAIT_TEXT, text.c_str());
    if (text.size() < kShortText) PlaceShortText();
    SetWindowTextA(Handle(), wingui::LoadResourceString(titleId_).c_str());

    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_WAIT_ANIMATION), "GIF");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    animation_.Attach(Item(IDC_WAIT_PICTURE));
    if (bytes && animation_.LoadFromBuffer(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found))) {
        animation_.Draw();
    }
    return TRUE;
}

void CWaitDialog::PlaceShortText() {
    RECT client;
    GetClientRect(Handle(), &client);
    RECT place = RectInParent(Item(IDC_WAIT_TEXT));
    place.top = client.bottom / 2 - 21;
    place.bottom = place.top + 14;
    MoveControl(Item(IDC_WAIT_TEXT), place);
}

void CWaitDialog::OnCancel() {
    cancelled_ = true;
    animation_.Stop();
    End(IDCANCEL);
}
