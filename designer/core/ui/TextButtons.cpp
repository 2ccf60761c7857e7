#include "TextButtons.h"

namespace {

constexpr COLORREF kCaptionColour = RGB(52, 36, 96);
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// A button drawn from pictures only: the caption stays for the tool tips
// and for screen readers, but is not painted.
class CPictureOnlyButton : public CButtonTxt {
public:
    void DrawItem(const DRAWITEMSTRUCT& item) override { DrawPicture(item); }
};

}  // namespace

void CTextButtons::Add(HWND dialog, int id, const char* bitmapSet, bool withCaption) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return;
    auto button = withCaption ? std::make_unique<CButtonTxt>() : std::make_unique<CPictureOnlyButton>();
    button->Attach(control);
    button->SetResourceBaseName(bitmapSet);
    button->LoadBitmaps();
    button->SetTransparentColor(kTransparent);
    button->SetCaptionFont("MS Shell Dlg", 8, false, false, false, false);
    button->SetTextColor(kCaptionColour);
    buttons_.push_back({id, std::move(button)});
}

bool CTextButtons::DrawItem(const DRAWITEMSTRUCT& item) {
    for (Entry& entry : buttons_) {
        if (entry.id == int(item.CtlID)) {
            entry.button->DrawItem(item);
            return true;
        }
    }
    return false;
}
