#include "ButtonEx.h"

#include <mmsystem.h>
#include <windowsx.h>

#include "DeviceContexts.h"
#include "LateShell.h"
#include "WindowText.h"
#include "util/FileBytes.h"
#include "util/LocalFiles.h"

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverPollMs = 50;
// A rollover sound is a short effect; a bigger file is not held in memory.
constexpr std::size_t kMaxRolloverSound = 16 * 1024 * 1024;

CButtonEx::Picture Owned(HBITMAP bitmap) {
    return bitmap ? std::make_shared<wingui::Bitmap>(bitmap) : CButtonEx::Picture();
}

CButtonEx::Picture LoadPictureFile(const std::string& path) {
    if (path.empty()) return {};
    return Owned(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

CButtonEx::Picture LoadEmbeddedPicture(const std::string& name) {
    return Owned(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, 0)));
}

}  // namespace

void PaintParentBackground(HWND child, HDC dc) {
    HWND parent = GetParent(child);
    if (!parent) return;
    POINT origin = {0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT previous;
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    // The child names itself, so the parent knows the erase is not its own.
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

CButtonEx::~CButtonEx() { StopOwnSound(); }

void CButtonEx::OnWindowDestroyed() {
    StopOwnSound();
    hover_ = false;
}

void CButtonEx::StopOwnSound() {
    // The rollover sound plays from our memory: it must end before that goes.
    if (playingRollover_) wingui::late::PlaySound(nullptr, nullptr, 0);
    playingRollover_ = false;
}

CButtonEx::PictureSet CButtonEx::LoadPictureSet(const std::string& normal, const std::string& pressed,
                                                const std::string& focus, const std::string& rollover,
                                                const std::string& disabled) {
    PictureSet set;
    const std::string* paths[kStateCount] = {&normal, &pressed, &focus, &rollover, &disabled};
    for (int state = kNormal; state < kStateCount; ++state) set.pictures[state] = LoadPictureFile(*paths[state]);
    return set;
}

CButtonEx::PictureSet CButtonEx::LoadEmbeddedPictureSet(const std::string& baseName) {
    PictureSet set;
    for (int state = kNormal; state < kStateCount; ++state) {
        set.pictures[state] = LoadEmbeddedPicture(baseName + kStateLetters[state]);
    }
    return set;
}

bool CButtonEx::SetBitmaps(const std::string& normal, const std::string& pressed, const std::string& focus,
                           const std::string& rollover, const std::string& disabled) {
    pictures_[kNormal].reset();
    return SetBitmaps(LoadPictureSet(normal, pressed, focus, rollover, disabled));
}

bool CButtonEx::SetBitmaps(const PictureSet& set, Sizing sizing) {
    // Without a normal picture the other states keep what they had.
    pictures_[kNormal] = set.pictures[kNormal];
    if (!pictures_[kNormal]) return false;
    for (int state = kPressed; state < kStateCount; ++state) pictures_[state] = set.pictures[state];
    TakePictureSize(sizing);
    fromFiles_ = true;
    return true;
}

bool CButtonEx::LoadBitmaps() {
    std::string base = resourceBaseName_;
    if (base.empty() && Handle()) {
        base = wingui::WindowText(Handle());
    }
    return LoadPictures(base, fromFiles_);
}

bool CButtonEx::LoadPictures(const std::string& base, bool fromFiles) {
    for (int state = kNormal; state < kStateCount; ++state) {
        const std::string name = base + kStateLetters[state];
        pictures_[state].reset();
        pictures_[state] = fromFiles ? LoadPictureFile(name) : LoadEmbeddedPicture(name);
    }
    if (!pictures_[kNormal]) return false;
    TakePictureSize();
    return true;
}

void CButtonEx::TakePictureSize(Sizing sizing) {
    BITMAP info = {};
    if (!GetObjectA(PictureOf(kNormal), sizeof(info), &info)) return;
    pictureSize_ = {info.bmWidth, info.bmHeight};
    if (Handle() && sizing == Sizing::Now) SizeToPicture();
}

void CButtonEx::SizeToPicture() {
    // A window that has the size already is left alone: each resize is a
    // round of the platform's window management, twelve times per menu.
    RECT now;
    if (GetWindowRect(Handle(), &now) && now.right - now.left == pictureSize_.cx &&
        now.bottom - now.top == pictureSize_.cy) {
        return;
    }
    SetWindowPos(Handle(), nullptr, 0, 0, pictureSize_.cx, pictureSize_.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

CButtonEx::SoundSet CButtonEx::LoadSounds(const std::string& rolloverPath, const std::string& clickPath) {
    SoundSet sounds;
    std::string bytes;
    if (ReadFileBytes(rolloverPath, kMaxRolloverSound, bytes) == FileRead::Read && !bytes.empty()) {
        sounds.rollover = std::make_shared<const std::vector<char>>(bytes.begin(), bytes.end());
    }
    if (IsExistingFile(clickPath)) sounds.click = clickPath;
    return sounds;
}

void CButtonEx::SetSounds(const std::string& rolloverPath, const std::string& clickPath) {
    SetSounds(LoadSounds(rolloverPath, clickPath));
}

void CButtonEx::SetSounds(const SoundSet& sounds) {
    StopOwnSound();
    rolloverSound_ = sounds.rollover;
    clickSound_ = sounds.click;
}

void CButtonEx::SetTransparentColor(COLORREF color) {
    transparentColor_ = color;
    useTransparentColor_ = true;
}

void CButtonEx::Show(bool show) {
    const bool visible = show && (pictures_[kNormal] || ShowsWithoutPicture());
    if (Handle()) ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

CButtonEx::PictureState CButtonEx::ChooseState(UINT itemState) const {
    PictureState state = kNormal;
    if (itemState & ODS_SELECTED) {
        state = kPressed;
    } else if (itemState & ODS_FOCUS) {
        state = kFocus;
    } else if (itemState & ODS_DISABLED) {
        state = kDisabled;
    }
    if ((state == kNormal || state == kFocus) && hover_) state = kRollover;
    if (!pictures_[state]) state = kNormal;
    return state;
}

bool CButtonEx::DrawPicture(const DRAWITEMSTRUCT& item) {
    if (!pictures_[kNormal] || useTransparentColor_) PaintParentBackground(Handle(), item.hDC);
    if (!pictures_[kNormal]) return false;
    if (!sized_) {
        SizeToPicture();
        sized_ = true;
    }
    const PictureState state = ChooseState(item.itemState);
    if (drawnOnce_ && state != lastDrawn_) InvalidateRect(Handle(), nullptr, TRUE);
    lastDrawn_ = state;
    drawnOnce_ = true;

    wingui::MemoryDc source(item.hDC);
    if (!source) return true;
    wingui::SelectedObject picture(source.Dc(), PictureOf(state));
    const int x = item.rcItem.left;
    const int y = item.rcItem.top;
    if (useTransparentColor_) {
        TransparentBlt(item.hDC, x, y, pictureSize_.cx, pictureSize_.cy, source.Dc(), 0, 0, pictureSize_.cx,
                       pictureSize_.cy, transparentColor_);
    } else {
        BitBlt(item.hDC, x, y, pictureSize_.cx, pictureSize_.cy, source.Dc(), 0, 0, SRCCOPY);
    }
    return true;
}

void CButtonEx::DrawItem(const DRAWITEMSTRUCT& item) { DrawPicture(item); }

void CButtonEx::PaintOwnerDrawn(HDC dc) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = UINT(GetDlgCtrlID(Handle()));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = Handle();
    item.hDC = dc;
    GetClientRect(Handle(), &item.rcItem);
    if (SendMessageA(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) item.itemState |= ODS_SELECTED;
    if (GetFocus() == Handle()) item.itemState |= ODS_FOCUS;
    if (!IsWindowEnabled(Handle())) item.itemState |= ODS_DISABLED;
    DrawItem(item);
}

void CButtonEx::OnMouseMove(POINT client) {
    POINT screen = client;
    ClientToScreen(Handle(), &screen);
    RECT area;
    GetWindowRect(Handle(), &area);
    KillTimer(Handle(), kHoverTimer);
    const bool inside = PtInRect(&area, screen) != FALSE;
    if (inside) SetTimer(Handle(), kHoverTimer, kHoverPollMs, nullptr);
    if (inside == hover_) return;
    hover_ = inside;
    if (hover_ && HasRolloverSound()) {
        wingui::late::PlaySound(nullptr, nullptr, 0);
        playingRollover_ =
            wingui::late::PlaySound(rolloverSound_->data(), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
        ++rolloverPlays_;
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT CButtonEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                POINT cursor;
                GetCursorPos(&cursor);
                ScreenToClient(Handle(), &cursor);
                SendMessageA(Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!clickSound_.empty()) {
                StopOwnSound();
                wingui::late::PlaySound(nullptr, nullptr, 0);
                wingui::late::PlaySound(clickSound_.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
            }
            break;
        case WM_ERASEBKGND:
            PaintParentBackground(Handle(), reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            // Drawn here rather than through the themed button's own paint,
            // which buffers and themes every paint for nothing to show.
            {
                wingui::PaintScope paint(Handle());
                PaintOwnerDrawn(paint.Dc());
            }
            return 0;
        case WM_PRINTCLIENT:
            // A parent that draws its children with itself asks this way.
            PaintOwnerDrawn(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_DESTROY:
            KillTimer(Handle(), kHoverTimer);
            break;
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}
