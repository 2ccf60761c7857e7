#include "ImageProgressDialog.h"

#include <commctrl.h>

#include "../../resource.h"

CImageProgressDialog::CImageProgressDialog() : CDialog(IDD_IMAGE_PROGRESS) {}

bool CImageProgressDialog::Advance(std::uint64_t done, std::uint64_t total) {
    if (Handle()) {
        const int permille = total == 0 ? 1000 : int(done * 1000 / total);
        SendDlgItemMessageA(Handle(), IDC_IMAGE_PROGRESS, PBM_SETRANGE32, 0, 1000);
        SendDlgItemMessageA(Handle(), IDC_IMAGE_PROGRESS, PBM_SETPOS, WPARAM(permille), 0);
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is ending: the loop that ends it must see this too.
            PostQuitMessage(int(message.wParam));
            cancelled_ = true;
            break;
        }
        if (!Handle() || !IsDialogMessageA(Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return !cancelled_;
}
