#include "TextButtons.h"

#include <map>
#include <string>

namespace {

constexpr COLORREF kCaptionColour = RGB(52, 36, 96);
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// A button drawn from pictures only: the caption stays for the tool tips
// and for screen readers, but is not painted.
class CPictureOnlyButton : public CButtonTxt {
public:
    void DrawItem(const DRAWITEMSTRUCT& item) override { DrawPicture(item); }
};

// Every button of a set shows the same five pictures: each set is loaded once.
const CButtonEx::PictureSet& PicturesOf(const std::string& bitmapSet) {
    static std::map<std::string, CButtonEx::PictureSet> loaded;
    auto found = loaded.find(bitmapSet);
    if (found == loaded.end()) found = loaded.emplace(bitmapSet, CButtonEx::LoadEmbeddedPictureSet(bitmapSet)).first;
    return found->second;
}

}  // namespace

void CTextButtons::Add(HWND dialog, int id, const char* bitmapSet, bool withCaption) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return;
    auto button = withCaption ? std::make_unique<CButtonTxt>() : std::make_unique<CPictureOnlyButton>();
    button->Attach(control);
    button->SetBitmaps(PicturesOf(bitmapSet));
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
