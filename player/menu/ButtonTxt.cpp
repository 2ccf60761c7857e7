#include "ButtonTxt.h"

#include <cstring>
#include <map>
#include <vector>

#include "DeviceContexts.h"
#include "WindowText.h"
#include "layout/PixelGeometry.h"

CButtonTxt::CButtonTxt() {
    for (int which = kNormalFont; which <= kDisabledFont; ++which) {
        LOGFONTA& description = descriptions_[which];
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(description.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
        RecreateFont(which);
    }
}

template <class Change>
void CButtonTxt::ChangeFonts(int which, Change change) {
    for (int font = kNormalFont; font <= kDisabledFont; ++font) {
        if (which == kBothFonts || which == font) {
            change(font);
            RecreateFont(font);
        }
    }
}

namespace {

// Fonts that buttons hold now, by their description: the twelve buttons of
// a menu draw with one font, made and realised once.
std::shared_ptr<wingui::Font> SharedFont(const LOGFONTA& description) {
    static std::map<std::string, std::weak_ptr<wingui::Font>> fonts;
    const std::string key(reinterpret_cast<const char*>(&description), sizeof(description));
    if (auto existing = fonts[key].lock()) return existing;
    auto font = std::make_shared<wingui::Font>(CreateFontIndirectA(&description));
    fonts[key] = font;
    return font;
}

}  // namespace

// A font is made when it is first drawn with: the disabled one rarely is,
// and a menu sets every value of its twelve buttons' fonts before drawing.
void CButtonTxt::RecreateFont(int which) { fonts_[which].reset(); }

HFONT CButtonTxt::FontFor(int which) {
    if (fonts_[which]) return fonts_[which]->Get();
    LOGFONTA description = descriptions_[which];
    wingui::WindowDc screen(nullptr);
    const int dpiY = screen.Dc() ? GetDeviceCaps(screen.Dc(), LOGPIXELSY) : 96;
    description.lfHeight = -MulDiv(tenths_[which], dpiY, 720);
    // The face name's unused tail must not make equal descriptions differ.
    const size_t faceLength = strnlen(description.lfFaceName, LF_FACESIZE);
    std::memset(description.lfFaceName + faceLength, 0, LF_FACESIZE - faceLength);
    fonts_[which] = SharedFont(description);
    return fonts_[which]->Get();
}

void CButtonTxt::SetCaptionFont(const std::string& face, int points, bool bold, bool italic, bool underline,
                                bool strikeout) {
    ChangeFonts(kBothFonts, [&](int font) {
        LOGFONTA& d = descriptions_[font];
        lstrcpynA(d.lfFaceName, face.c_str(), LF_FACESIZE);
        tenths_[font] = menulayout::FontTenths(points);
        d.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        d.lfItalic = italic;
        d.lfUnderline = underline;
        d.lfStrikeOut = strikeout;
    });
}

void CButtonTxt::SetUnderline(bool on, int which) {
    ChangeFonts(which, [&](int font) { descriptions_[font].lfUnderline = on; });
}
void CButtonTxt::SetStrikeout(bool on, int which) {
    ChangeFonts(which, [&](int font) { descriptions_[font].lfStrikeOut = on; });
}
void CButtonTxt::SetItalic(bool on, int which) {
    ChangeFonts(which, [&](int font) { descriptions_[font].lfItalic = on; });
}
void CButtonTxt::SetFontName(const std::string& face, int which) {
    ChangeFonts(which, [&](int font) { lstrcpynA(descriptions_[font].lfFaceName, face.c_str(), LF_FACESIZE); });
}
void CButtonTxt::SetFontSize(int points, int which) {
    ChangeFonts(which, [&](int font) { tenths_[font] = menulayout::FontTenths(points); });
}
void CButtonTxt::SetBold(bool on, int which) {
    ChangeFonts(which, [&](int font) { descriptions_[font].lfWeight = on ? FW_BOLD : FW_NORMAL; });
}

void CButtonTxt::SetTextColor(COLORREF color) { normalColor_ = hoverColor_ = pressedColor_ = disabledColor_ = color; }

void CButtonTxt::SetTextIndent(int x) {
    indent_.x = x;
    alignment_ = DT_LEFT;
}

COLORREF CButtonTxt::TextColorFor(UINT itemState) const {
    if (itemState & ODS_SELECTED) return pressedColor_;
    if (itemState & (ODS_FOCUS | ODS_DEFAULT)) return IsHovering() ? hoverColor_ : normalColor_;
    if (itemState & (ODS_DISABLED | ODS_GRAYED)) return disabledColor_;
    return IsHovering() ? hoverColor_ : normalColor_;
}

void CButtonTxt::DrawItem(const DRAWITEMSTRUCT& item) {
    DrawPicture(item);
    RECT area = item.rcItem;
    area.left += indent_.x;
    area.top += indent_.y;
    if (item.itemState & ODS_SELECTED) OffsetRect(&area, pressedShift_.x, pressedShift_.y);

    const bool disabled = (item.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    wingui::SelectedObject font(item.hDC, FontFor(disabled ? kDisabledFont : kNormalFont));
    ::SetTextColor(item.hDC, TextColorFor(item.itemState));
    SetBkMode(item.hDC, TRANSPARENT);

    const std::string caption = wingui::WindowText(Handle());
    DrawTextA(item.hDC, caption.c_str(), int(caption.size()), &area, alignment_ | DT_VCENTER | DT_SINGLELINE);
}
