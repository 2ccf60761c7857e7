#pragma once
// A picture button that also draws its caption with its own fonts and
// colours: the twelve buttons of the menu.
#include <memory>

#include "ButtonEx.h"

class CButtonTxt : public CButtonEx {
public:
    // Which font a setter changes.
    enum WhichFont : int { kNormalFont = 0, kDisabledFont = 1, kBothFonts = 2 };

    CButtonTxt();

    virtual void SetUnderline(bool on, int which);
    virtual void SetStrikeout(bool on, int which);
    virtual void SetItalic(bool on, int which);
    void SetFontName(const std::string& face, int which);
    void SetFontSize(int points, int which);
    void SetBold(bool on, int which);
    // Every font value at once, for both fonts: one font made instead of one per setter.
    void SetCaptionFont(const std::string& face, int points, bool bold, bool italic, bool underline, bool strikeout);
    // The normal, hover, pressed and disabled text all take this colour.
    void SetTextColor(COLORREF color);
    // Designer only: the caption starts x pixels from the left edge.
    void SetTextIndent(int x);

    void DrawItem(const DRAWITEMSTRUCT& item) override;

    HFONT NormalFont() { return FontFor(kNormalFont); }
    const LOGFONTA& FontDescription(int which) const { return descriptions_[which]; }
    int FontTenths(int which) const { return tenths_[which]; }

protected:
    bool ShowsWithoutPicture() const override { return true; }

private:
    template <class Change>
    void ChangeFonts(int which, Change change);
    void RecreateFont(int which);
    HFONT FontFor(int which);
    COLORREF TextColorFor(UINT itemState) const;

    LOGFONTA descriptions_[2] = {};
    int tenths_[2] = {80, 80};  // size in tenths of a point
    // Buttons with the same font description share one font object.
    std::shared_ptr<wingui::Font> fonts_[2];
    COLORREF normalColor_ = RGB(0, 0, 0);
    COLORREF hoverColor_ = RGB(0, 0, 0);
    COLORREF pressedColor_ = RGB(0, 0, 0);
    COLORREF disabledColor_ = RGB(128, 128, 128);
    POINT pressedShift_ = {1, 1};
    POINT indent_ = {0, 0};
    UINT alignment_ = DT_CENTER;
};
