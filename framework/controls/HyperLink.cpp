#include "HyperLink.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "DeviceContexts.h"
#include "LateShell.h"
#include "WindowText.h"

namespace wingui {

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 180);

// The default value of a key below HKEY_CLASSES_ROOT, empty when missing.
std::string ClassesDefault(const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
    RegKey owned(opened);
    char value[1024] = {};
    DWORD size = sizeof(value) - 1;
    DWORD type = 0;
    if (RegQueryValueExA(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return {};
    }
    value[std::min<DWORD>(size, sizeof(value) - 1)] = '\0';
    return value;
}

// The command registered for ".htm" pages, empty when there is none.
std::string HtmlOpenCommand() {
    const std::string type = ClassesDefault(".htm");
    if (type.empty()) return {};
    return ClassesDefault(type + "\\shell\\open\\command");
}

bool StartProgram(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

std::string BrowserCommandFor(const std::string& registeredCommand, const std::string& url) {
    std::string command = registeredCommand;
    const std::size_t quoted = command.find("\"%1\"");
    const std::size_t bare = command.find("%1");
    if (quoted != std::string::npos) {
        command.erase(quoted);
    } else if (bare != std::string::npos) {
        command.erase(bare);
    }
    return command + " " + url;
}

std::string LinkFailureReason(int shellCode) {
    switch (shellCode) {
        case 0: return "The operating system is out\nof memory or resources.";
        case ERROR_FILE_NOT_FOUND: return "The specified file was not found.";
        case ERROR_PATH_NOT_FOUND: return "The specified path was not found.";
        case ERROR_ACCESS_DENIED: return "The operating system denied\naccess to the specified file.";
        case 8: return "There was not enough memory to complete the operation.";
        case ERROR_BAD_FORMAT: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        case SE_ERR_SHARE: return "A sharing violation occurred. ";
        case SE_ERR_ASSOCINCOMPLETE: return "The filename association is\nincomplete or invalid.";
        case SE_ERR_DDETIMEOUT: return "The DDE transaction could not\nbe completed because the request timed out.";
        case SE_ERR_DDEFAIL: return "The DDE transaction failed.";
        case SE_ERR_DDEBUSY:
            return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
        case SE_ERR_NOASSOC: return "There is no application associated\nwith the given filename extension.";
        case SE_ERR_DLLNOTFOUND: return "The specified dynamic-link library was not found.";
        default: {
            char text[64];
            wsprintfA(text, "Unknown Error (%d) occurred.", shellCode);
            return text;
        }
    }
}

bool CHyperLink::Attach(HWND control, bool withToolTip) {
    if (!CWindow::Attach(control)) return false;
    toolTipEnabled_ = withToolTip;
    // The control reports clicks and takes the focus.
    SetWindowLongPtrA(control, GWL_STYLE, GetWindowLongPtrA(control, GWL_STYLE) | SS_NOTIFY);
    LOGFONTA description{};
    HFONT font = HFONT(SendMessageA(control, WM_GETFONT, 0, 0));
    GetObjectA(font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    description.lfUnderline = TRUE;
    underlined_.Reset(CreateFontIndirectA(&description));
    FitToText();
    UpdateToolTip();
    return true;
}

void CHyperLink::SetUrl(const std::string& url) {
    url_ = url;
    if (Handle() && WindowText(Handle()).empty()) SetText(url);
    UpdateToolTip();
}

void CHyperLink::SetText(const std::string& text) {
    if (!Handle()) return;
    SetWindowTextA(Handle(), text.c_str());
    FitToText();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CHyperLink::EnableToolTip(bool enabled) {
    toolTipEnabled_ = enabled;
    UpdateToolTip();
}

std::string CHyperLink::Address() const { return url_.empty() ? WindowText(Handle()) : url_; }

void CHyperLink::UpdateToolTip() {
    if (!Handle()) return;
    // The tip window is made only once a tip is wanted.
    if (toolTipEnabled_ && !toolTip_.Handle()) toolTip_.Create(GetParent(Handle()));
    if (!toolTip_.Handle()) return;
    SendMessageA(toolTip_.Handle(), TTM_ACTIVATE, toolTipEnabled_, 0);
    if (toolTipEnabled_) toolTip_.Add(Handle(), Address());
}

void CHyperLink::FitToText() {
    HWND control = Handle();
    const std::string text = WindowText(control);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    SIZE extent{};
    {
        WindowDc dc(control);
        SelectedObject font(dc.Dc(), underlined_.Get());
        GetTextExtentPoint32A(dc.Dc(), text.c_str(), int(text.size()), &extent);
    }
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int left = rect.left;
    if ((style & SS_TYPEMASK) == SS_CENTER) left += (width - extent.cx) / 2;
    if ((style & SS_TYPEMASK) == SS_RIGHT) left += width - extent.cx;
    const int top = (style & SS_CENTERIMAGE) ? rect.top + (height - extent.cy) / 2 : rect.top;
    SetWindowPos(control, nullptr, left, top, extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CHyperLink::Open() {
    const std::string address = Address();
    const auto code = int(INT_PTR(wingui::late::ShellExecute(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL)));
    if (code > 32) return true;
    const std::string command = HtmlOpenCommand();
    if (!command.empty() && StartProgram(BrowserCommandFor(command, address))) return true;
    MessageBeep(MB_ICONEXCLAMATION);
    const std::string text = "Can't open link:\n\n" + LinkFailureReason(code);
    MessageBoxA(GetParent(Handle()), text.c_str(), nullptr, MB_OK | MB_ICONWARNING);
    return false;
}

bool CHyperLink::OnPaint() {
    PaintScope paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    // The dialog's own background below the text.
    const auto brush = HBRUSH(SendMessageA(GetParent(Handle()), WM_CTLCOLORSTATIC, WPARAM(paint.Dc()), LPARAM(Handle())));
    FillRect(paint.Dc(), &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SelectedObject font(paint.Dc(), underlined_.Get());
    SetBkMode(paint.Dc(), TRANSPARENT);
    SetTextColor(paint.Dc(), kLinkColour);
    const std::string text = WindowText(Handle());
    DrawTextA(paint.Dc(), text.c_str(), int(text.size()), &client, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    return true;
}

bool CHyperLink::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        case WM_LBUTTONDOWN:
            SetFocus(Handle());
            result = 0;
            return true;
        case WM_LBUTTONUP:
            Open();
            result = 0;
            return true;
        case WM_GETDLGCODE:
            result = DLGC_WANTCHARS;
            return true;
        case WM_KEYUP:
            if (wParam != VK_SPACE) return false;
            Open();
            result = 0;
            return true;
        default: return false;
    }
}

}  // namespace wingui
