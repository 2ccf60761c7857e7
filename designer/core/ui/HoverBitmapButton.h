#pragma once
// The small picture buttons of the designer (help, arrows): an owner-drawn
// button of a dialog template whose four pictures are named after its
// caption ("HelpU" normal, "HelpD" pressed, "HelpF" focused or under the
// mouse, "HelpX" disabled). With the system's visual style the pictures
// "XPHelpU" ... are drawn over a themed button face.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Handles.h"
#include "Window.h"

class CVisualStyles;

class CHoverBitmapButton : public wingui::CWindow {
public:
    // The look every button takes when it is attached; null for none.
    static void SetVisualStyles(const CVisualStyles* styles);

    bool Attach(HWND button);
    void DrawItem(const DRAWITEMSTRUCT& item);
    bool IsHovering() const { return hover_; }
    // The name of the picture set the button draws ("Help" or "XPHelp").
    const std::string& PictureSet() const { return pictureSet_; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum State { kNormal, kPressed, kFocused, kDisabled, kStateCount };

    void SetHover(bool hover);

    std::string pictureSet_;
    wingui::Bitmap pictures_[kStateCount];
    bool hover_ = false;
};

// The picture buttons of one window, which hands its WM_DRAWITEM here.
class CHoverBitmapButtons {
public:
    void Add(HWND dialog, int id);
    // True when the item is one of these buttons (and it was drawn).
    bool DrawItem(const DRAWITEMSTRUCT& item);

private:
    std::vector<std::unique_ptr<CHoverBitmapButton>> buttons_;
};
