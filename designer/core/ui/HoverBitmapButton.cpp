#include "HoverBitmapButton.h"

#include "DeviceContexts.h"
#include "VisualStyles.h"
#include "WindowText.h"

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr char kStateLetters[] = {'U', 'D', 'F', 'X'};

// The themed push button's states.
constexpr int kThemeNormal = 1;
constexpr int kThemeHot = 2;
constexpr int kThemePressed = 3;
constexpr int kThemeDisabled = 4;
constexpr int kThemeDefaulted = 5;

const CVisualStyles* theVisualStyles = nullptr;

bool Themed() { return theVisualStyles && theVisualStyles->Active(); }

}  // namespace

void CHoverBitmapButton::SetVisualStyles(const CVisualStyles* styles) { theVisualStyles = styles; }

bool CHoverBitmapButton::Attach(HWND button) {
    if (!CWindow::Attach(button)) return false;
    pictureSet_ = (Themed() ? "XP" : "") + wingui::WindowText(button);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int state = 0; state < kStateCount; ++state) {
        const std::string name = pictureSet_ + kStateLetters[state];
        pictures_[state].Reset(HBITMAP(LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
    return true;
}

void CHoverBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const State state = disabled ? kDisabled : pressed ? kPressed : (focused || hover_) ? kFocused : kNormal;
    HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    const int themeState = disabled  ? kThemeDisabled
                           : pressed ? kThemePressed
                           : hover_  ? kThemeHot
                           : focused ? kThemeDefaulted
                                     : kThemeNormal;
    if (!Themed() || !theVisualStyles->DrawButtonBackground(dc, themeState, rect)) {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    }
    HBITMAP picture = pictures_[state] ? pictures_[state].Get() : pictures_[kNormal].Get();
    if (!picture) return;
    BITMAP size{};
    GetObjectA(picture, sizeof(size), &size);
    wingui::MemoryDc source(dc);
    wingui::SelectedObject selected(source.Dc(), picture);
    const int x = rect.left + ((rect.right - rect.left) - size.bmWidth) / 2;
    const int y = rect.top + ((rect.bottom - rect.top) - size.bmHeight) / 2;
    TransparentBlt(dc, x, y, size.bmWidth, size.bmHeight, source.Dc(), 0, 0, size.bmWidth, size.bmHeight,
                   kTransparent);
}

void CHoverBitmapButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    InvalidateRect(Handle(), nullptr, FALSE);
}

bool CHoverBitmapButton::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    if (message == WM_MOUSEMOVE && !hover_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        SetHover(true);
    } else if (message == WM_MOUSELEAVE) {
        SetHover(false);
    }
    // The button's own handling goes on.
    return false;
}

void CHoverBitmapButtons::Add(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return;
    auto button = std::make_unique<CHoverBitmapButton>();
    if (button->Attach(control)) buttons_.push_back(std::move(button));
}

bool CHoverBitmapButtons::DrawItem(const DRAWITEMSTRUCT& item) {
    for (auto& button : buttons_) {
        if (button->Handle() == item.hwndItem) {
            button->DrawItem(item);
            return true;
        }
    }
    return false;
}
