#include "AutorunMenuDlg.h"

#include <algorithm>
#include <vector>

#include "DeviceContexts.h"
#include "MenuDialogIds.h"
#include "ResourceString.h"
#include "StartupTrace.h"
#include "WindowText.h"
#include "layout/BackgroundFill.h"
#include "layout/MenuPlacement.h"
#include "layout/PictureFit.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "util/ContainedPath.h"

namespace {

void ApplyFont(CStaticEx& label, const MenuFont& font) {
    label.SetFontName(font.Face);
    label.SetFontSize(font.Size);
    label.SetTextColor(font.Color);
    label.SetBold(font.Bold);
    label.SetItalic(font.Italic);
    label.SetStrikeout(font.Strikeout);
    label.SetUnderline(font.Underline);
    label.SetTransparent(true);
}

void ApplyFont(CButtonTxt& button, const MenuFont& font) {
    button.SetCaptionFont(font.Face, font.Size, font.Bold, font.Italic, font.Underline, font.Strikeout);
    button.SetTextColor(font.Color);
}

void AlignLeft(HWND label) {
    const LONG_PTR style = GetWindowLongPtrA(label, GWL_STYLE);
    SetWindowLongPtrA(label, GWL_STYLE, (style & ~LONG_PTR(SS_TYPEMASK)) | SS_LEFT);
}

void PlaceControl(HWND control, const menulayout::PixelRect& rect) {
    SetWindowPos(control, nullptr, rect.x, rect.y, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveControl(HWND control, menulayout::PixelPoint at) {
    SetWindowPos(control, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TRIVERTEX Vertex(int x, int y, RgbColor color) {
    TRIVERTEX vertex = {};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = menulayout::GradientChannel(RedOf(color));
    vertex.Green = menulayout::GradientChannel(GreenOf(color));
    vertex.Blue = menulayout::GradientChannel(BlueOf(color));
    return vertex;
}

}  // namespace

CAutorunMenuDlg::CAutorunMenuDlg(HWND parent) : CDialog(IDD_AUTORUN_MENU), parent_(parent) {}

void CAutorunMenuDlg::SetBaseFolder(const std::string& path) {
    baseFolder_ = path;
    if (!baseFolder_.empty() && baseFolder_.back() == '\\') baseFolder_.pop_back();
}

std::string CAutorunMenuDlg::InFolder(const std::string& relativeName) const {
    // An empty name is no picture, not the folder itself.
    return relativeName.empty() ? std::string() : ResolveInsideOrNothing(baseFolder_, relativeName);
}

void CAutorunMenuDlg::AttachControls() {
    title_.Attach(Item(IDC_MENU_TITLE));
    subtitle_.Attach(Item(IDC_MENU_SUBTITLE));
    logo_.Attach(Item(IDC_MENU_LOGO));
    image_.Attach(Item(IDC_MENU_IMAGE));
    close_.Attach(Item(IDC_MENU_CLOSE));
    for (int i = 0; i < kButtonCount; ++i) buttons_[i].Attach(Item(IDC_MENU_BUTTON_FIRST + i));
}

BOOL CAutorunMenuDlg::OnInitDialog() {
    wingui::MarkStartup(wingui::StartupStage::MenuWindowCreated);
    AttachControls();
    if (!menu_) {
        End(IDCANCEL);
        return FALSE;
    }
    const std::string title =
        menu_->WindowName.empty() ? wingui::LoadResourceString(IDS_MENU_DEFAULT_TITLE) : menu_->WindowName;
    SetWindowTextA(Handle(), title.c_str());
    PlaceWindow();
    const BOOL built = menu_->MenuType == CSettingsHtml::kHtmlMenu ? BuildHtmlMenu() : BuildStandardMenu();
    wingui::MarkStartup(wingui::StartupStage::MenuWindowReady);
    return built;
}

void CAutorunMenuDlg::PlaceWindow() {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const menulayout::PixelRect placed = menulayout::PlaceMenuWindow(
        {work.left, work.top, work.right - work.left, work.bottom - work.top}, menulayout::PlacementFor(*menu_));
    clientWidth_ = placed.width;
    clientHeight_ = placed.height;

    if (IsPane()) {
        SetWindowPos(Handle(), nullptr, 0, 0, placed.width, placed.height, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (!menu_->ShowWindowFrame) {
        SetWindowPos(Handle(), nullptr, placed.x, placed.y, placed.width, placed.height, SWP_NOZORDER);
        return;
    }
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE) | WS_CAPTION | DS_MODALFRAME;
    const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE) | WS_EX_DLGMODALFRAME;
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle);
    SetWindowPos(Handle(), nullptr, placed.x, placed.y, placed.width, placed.height, SWP_NOZORDER | SWP_FRAMECHANGED);
    RECT outer = {placed.x, placed.y, placed.x + placed.width, placed.y + placed.height};
    AdjustWindowRectEx(&outer, DWORD(style), FALSE, DWORD(exStyle));
    const menulayout::PixelRect framed =
        menulayout::CenterFrameAround(placed, outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(Handle(), nullptr, framed.x, framed.y, framed.width, framed.height, SWP_NOZORDER);
    close_.Show(false);
}

BOOL CAutorunMenuDlg::BuildStandardMenu() {
    const CSettingsHtml& menu = *menu_;
    RECT window;
    GetWindowRect(Handle(), &window);

    menulayout::StandardMenuInput in;
    in.outer = {window.right - window.left, window.bottom - window.top};
    in.client = {clientWidth_, clientHeight_};
    in.framed = menu.ShowWindowFrame;
    if (!in.framed) close_.LoadBitmaps();
    in.closePicture = {close_.GetBitmapWidth(), close_.GetBitmapHeight()};

    in.hasLogo = !menu.LogoFilename.empty();
    if (in.hasLogo) {
        logo_.BestFit = true;
        logo_.AlignLeft = true;
        logo_.Load(InFolder(menu.LogoFilename));
        in.logoPicture = {int(logo_.PictureSize().cx), int(logo_.PictureSize().cy)};
        AlignLeft(title_.Handle());
        AlignLeft(subtitle_.Handle());
    }

    ApplyFont(title_, menu.Text);
    title_.SetText(menu.MenuTitle, true, true);
    const SIZE titleSize = title_.SizeToText();
    in.title = {int(titleSize.cx), int(titleSize.cy)};
    in.hasSubtitle = !menu.MenuSubTitle.empty();
    if (in.hasSubtitle) {
        ApplyFont(subtitle_, menu.SubTitleFont);
        subtitle_.SetText(menu.MenuSubTitle, true, true);
        const SIZE subSize = subtitle_.SizeToText();
        in.subtitle = {int(subSize.cx), int(subSize.cy)};
    }

    if (menu.BackgroundType == CSettingsHtml::kBackgroundImage) {
        background_.Reset(static_cast<HBITMAP>(LoadImageA(nullptr, InFolder(menu.BgrndFilename).c_str(),
                                                          IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        BITMAP info = {};
        if (background_ && GetObjectA(background_.Get(), sizeof(info), &info)) {
            backgroundSize_ = {info.bmWidth, info.bmHeight};
        }
    }

    // One set of pictures for all buttons: every button shows the same four.
    const CButtonEx::PictureSet pictures = CButtonEx::LoadPictureSet(
        InFolder(menu.ButtonUFile), InFolder(menu.ButtonDFile), InFolder(menu.ButtonFFile),
        InFolder(menu.ButtonRFile), std::string());
    CButtonEx::SoundSet sounds;
    if (!preview_) {
        sounds = CButtonEx::LoadSounds(InFolder("\\AutoRun\\RollOver.wav"), InFolder("\\AutoRun\\BtnClick.wav"));
    }
    int shown = 0;
    for (const auto& entry : menu.Buttons()) {
        CSettings* record = entry.get();
        if (shown == kButtonCount) break;
        if (record->SettingType() != kSettingButton) continue;
        CButtonTxt& button = buttons_[shown++];
        ApplyFont(button, menu.ButtonText);
        SetWindowTextA(button.Handle(), record->GetName().c_str());
        // Placed and sized in one step below, once the layout is known.
        button.SetBitmaps(pictures, CButtonEx::Sizing::AtFirstDrawing);
        button.SetSounds(sounds);
    }
    in.buttonCount = shown;
    if (shown > 0) in.buttonPicture = {buttons_[0].GetBitmapWidth(), buttons_[0].GetBitmapHeight()};
    in.layoutType = menu.MenuLayoutType;
    in.showImage = menu.UseImage && !menu.ImageFilename.empty();

    layout_ = menulayout::LayOutStandardMenu(in);

    if (layout_.closeVisible) {
        MoveControl(close_.Handle(), layout_.close);
        close_.Show(true);
    } else {
        close_.Show(false);
    }
    if (layout_.logoVisible) {
        PlaceControl(logo_.Handle(), layout_.logoWindow);
        ShowWindow(logo_.Handle(), SW_SHOWNA);
        logo_.Draw();
    }
    PlaceControl(title_.Handle(), layout_.title);
    if (layout_.subtitleVisible) {
        PlaceControl(subtitle_.Handle(), layout_.subtitle);
    }
    ShowWindow(subtitle_.Handle(), layout_.subtitleVisible ? SW_SHOWNA : SW_HIDE);
    for (int i = 0; i < kButtonCount; ++i) {
        CButtonTxt& button = buttons_[i];
        const bool used = i < shown;
        if (used) {
            const menulayout::PixelPoint at = layout_.buttons[size_t(i)];
            if (button.HasPicture(CButtonEx::kNormal)) {
                PlaceControl(button.Handle(), {at.x, at.y, button.GetBitmapWidth(), button.GetBitmapHeight()});
            } else {
                MoveControl(button.Handle(), at);
            }
        }
        button.Show(used);
    }
    if (layout_.imageVisible) {
        const menulayout::FitFlags fit = menulayout::FitFlagsForImageStyle(menu.ImageBitmapStyle);
        image_.StretchToFill = fit.stretchToFill;
        image_.BestFit = fit.bestFit;
        PlaceControl(image_.Handle(), layout_.image);
        ShowWindow(image_.Handle(), SW_SHOWNA);
        image_.Load(InFolder(menu.ImageFilename));
        image_.Draw();
    } else {
        ShowWindow(image_.Handle(), SW_HIDE);
    }
    ComposeChildren();
    wingui::MarkStartup(wingui::StartupStage::PicturesLoaded);
    return TRUE;
}

void CAutorunMenuDlg::ComposeChildren() {
    std::vector<HWND> children = {title_.Handle(), subtitle_.Handle(), logo_.Handle(), image_.Handle(),
                                  close_.Handle()};
    for (CButtonTxt& button : buttons_) children.push_back(button.Handle());
    composed_.SetChildren(std::move(children));
}

bool CAutorunMenuDlg::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_MENU_CLOSE) {
        End(IDOK);
        return true;
    }
    if (id >= IDC_MENU_BUTTON_FIRST && id <= IDC_MENU_BUTTON_LAST) {
        if (notifyCode == BN_CLICKED && !preview_ && listener_) {
            const int index = id - IDC_MENU_BUTTON_FIRST;
            listener_->OnMenuButtonPressed(index, wingui::WindowText(buttons_[index].Handle()));
        }
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

bool CAutorunMenuDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_ERASEBKGND:
            // While composing, the window's own erase is left to its paint,
            // which draws the background with everything on it.
            if (!composed_.IsComposing() || lParam) {
                PaintBackground(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            }
            result = TRUE;
            return true;
        case WM_PAINT:
            if (!composed_.IsComposing()) return false;
            composed_.Paint(Handle(), [this](HDC dc, const RECT& client) {
                DrawBackground(dc, client);
                wingui::MarkStartup(wingui::StartupStage::BackgroundPainted);
            });
            result = 0;
            return true;
        case WM_CTLCOLORSTATIC: {
            HWND control = reinterpret_cast<HWND>(lParam);
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (control == title_.Handle()) {
                result = reinterpret_cast<INT_PTR>(title_.OnControlColor(dc));
                return true;
            }
            if (control == subtitle_.Handle()) {
                result = reinterpret_cast<INT_PTR>(subtitle_.OnControlColor(dc));
                return true;
            }
            return false;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID >= IDC_MENU_BUTTON_FIRST && item.CtlID <= IDC_MENU_BUTTON_LAST) {
                buttons_[item.CtlID - IDC_MENU_BUTTON_FIRST].DrawItem(item);
            } else if (item.CtlID == IDC_MENU_CLOSE) {
                close_.DrawItem(item);
            } else {
                return false;
            }
            result = TRUE;
            return true;
        }
        case WM_LBUTTONDOWN:
            if (IsPane()) {
                // A pane stays where its owner put it.
            } else if (preview_) {
                End(IDOK);
            } else {
                // Any free spot of the window drags it, framed or not.
                POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                ClientToScreen(Handle(), &at);
                SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
            }
            result = 0;
            return true;
        case WM_DESTROY:
            logo_.Stop();
            image_.Stop();
            return false;
        default:
            return false;
    }
}

void CAutorunMenuDlg::ExcludeVisibleControls(HDC dc) {
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT area;
        GetWindowRect(child, &area);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
}

void CAutorunMenuDlg::PaintBackground(HDC dc, HWND forChild) {
    // The controls paint what lies behind them themselves, so the window's
    // own erase leaves them out: it may come after they have painted, and
    // clipping them for every paint costs the platform more than this.
    if (!forChild) ExcludeVisibleControls(dc);
    if (composed_.IsPainting()) {
        // Drawn straight into the paint under way, clipped to the asking
        // control; the copy kept for the controls' own paints is made
        // only when one first needs it.
        RECT client;
        GetClientRect(Handle(), &client);
        DrawBackground(dc, client);
        return;
    }
    CopyBackground(dc);
}

void CAutorunMenuDlg::CopyBackground(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (!backgroundCache_ || cacheSize_.cx != client.right || cacheSize_.cy != client.bottom) {
        wingui::WindowDc screen(Handle());
        backgroundCache_.Reset(CreateCompatibleBitmap(screen.Dc(), client.right, client.bottom));
        cacheSize_ = {client.right, client.bottom};
        wingui::MemoryDc cache(screen.Dc());
        if (backgroundCache_ && cache) {
            wingui::SelectedObject into(cache.Dc(), backgroundCache_.Get());
            DrawBackground(cache.Dc(), client);
        } else {
            backgroundCache_.Reset();
        }
    }
    wingui::MemoryDc cache(dc);
    if (!backgroundCache_ || !cache) {
        DrawBackground(dc, client);
        return;
    }
    wingui::SelectedObject from(cache.Dc(), backgroundCache_.Get());
    RECT clip;
    if (GetClipBox(dc, &clip) == NULLREGION) return;
    BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, cache.Dc(), clip.left, clip.top,
           SRCCOPY);
}

void CAutorunMenuDlg::DrawBackground(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    if (!menu_ || menu_->MenuType == CSettingsHtml::kHtmlMenu) return;
    const int cw = client.right;
    const int ch = client.bottom;
    switch (menu_->BackgroundType) {
        case CSettingsHtml::kBackgroundImage:
            PaintBackgroundPicture(dc, client);
            return;
        case CSettingsHtml::kSolidColor: {
            RECT clip;
            GetClipBox(dc, &clip);
            wingui::Brush brush(CreateSolidBrush(menu_->Color1));
            FillRect(dc, &clip, brush.Get());
            return;
        }
        default: {
            const menulayout::GradientFill fill =
                menulayout::GradientFor(menu_->BackgroundType, cw, ch, menu_->Color1, menu_->Color2);
            for (const menulayout::GradientPiece& piece : fill.pieces) {
                TRIVERTEX vertices[2] = {Vertex(piece.left, piece.top, piece.from),
                                         Vertex(piece.right, piece.bottom, piece.to)};
                GRADIENT_RECT rect = {0, 1};
                GradientFill(dc, vertices, 2, &rect, 1, fill.horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
            }
            return;
        }
    }
}

void CAutorunMenuDlg::PaintBackgroundPicture(HDC dc, const RECT& client) {
    if (!background_) return;
    wingui::MemoryDc source(dc);
    if (!source) return;
    wingui::SelectedObject picture(source.Dc(), background_.Get());
    const int cw = client.right;
    const int ch = client.bottom;
    const int bw = backgroundSize_.cx;
    const int bh = backgroundSize_.cy;
    switch (menu_->BackgroundBitmap) {
        case CSettingsHtml::kTile: {
            RECT clip;
            GetClipBox(dc, &clip);
            for (const menulayout::PixelPoint& at : menulayout::TilePositions(cw, ch, bw, bh)) {
                const RECT tile = {at.x, at.y, at.x + bw, at.y + bh};
                RECT visible;
                if (IntersectRect(&visible, &tile, &clip)) BitBlt(dc, at.x, at.y, bw, bh, source.Dc(), 0, 0, SRCCOPY);
            }
            return;
        }
        case CSettingsHtml::kCenter: {
            const menulayout::PixelPoint at = menulayout::CenteredPosition(cw, ch, bw, bh);
            BitBlt(dc, at.x, at.y, bw, bh, source.Dc(), 0, 0, SRCCOPY);
            return;
        }
        case CSettingsHtml::kStretch:
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, 0, 0, cw, ch, source.Dc(), 0, 0, bw, bh, SRCCOPY);
            return;
        default:
            return;
    }
}
