#pragma once
// A text label with its own font, colour and (by default) transparent
// background: the menu's title and subtitle.
#include <windows.h>

#include <string>

#include "Handles.h"
#include "Window.h"

class CStaticEx : public wingui::CWindow {
public:
    CStaticEx() = default;

    virtual void SetBkColor(COLORREF color);
    virtual void SetTextColor(COLORREF color);
    virtual void SetFontSize(int points);
    virtual void SetUnderline(bool on);
    virtual void SetStrikeout(bool on);
    virtual void SetItalic(bool on);
    virtual void SetBold(bool on);
    virtual void SetHeavy();
    virtual void SetFontName(const std::string& face);
    virtual void SetTransparent(bool on);
    // Sizes the control to its text (no move); 0 x 0 without a window.
    virtual SIZE SizeToText();
    virtual void SetText(const std::string& text, bool resize, bool redraw);
    // Moves without resizing; false when there is no window.
    virtual bool MoveTo(int x, int y);
    virtual void SetSmoothing();
    virtual HFONT GetFont();
    // Repaints the whole control area, including what lies behind it.
    virtual void InvalidateBehind(HWND parent);
    virtual void EnsureFont();

    // The parent's answer to WM_CTLCOLORSTATIC for this control.
    HBRUSH OnControlColor(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A transparent label draws the parent's background and then its text,
    // so it looks right whether or not the parent clips its children.
    void PaintTransparent(HDC dc);
    void DiscardFont() { font_.Reset(); }

    COLORREF textColor_ = RGB(0, 0, 0);
    COLORREF backColor_ = RGB(255, 255, 255);
    bool transparent_ = true;
    std::string face_ = "MS Sans Serif";
    int points_ = 8;
    int weight_ = FW_NORMAL;
    bool italic_ = false;
    bool underline_ = false;
    bool strikeout_ = false;
    bool smoothing_ = false;
    wingui::Font font_;
    wingui::Brush backBrush_;  // solid, when not transparent
};
