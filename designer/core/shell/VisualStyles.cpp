#include "VisualStyles.h"

#include <string>

#include "ProcAddress.h"


namespace {

// The functions the buttons need; a library without any of them is not used.
constexpr const char* kThemeFunctions[] = {"OpenThemeData",         "DrawThemeBackground",
                                           "CloseThemeData",        "DrawThemeText",
                                           "GetThemeBackgroundContentRect", "DrawThemeEdge",
                                           "DrawThemeIcon"};
constexpr int kPushButtonPart = 1;

bool SystemShowsATheme() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&version) || version.dwMajorVersion <= 4) return false;
#pragma GCC diagnostic pop
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Appearance", 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return true;
    }
    char current[256] = {};
    DWORD size = sizeof(current) - 1;
    DWORD type = 0;
    const bool read = RegQueryValueExA(key, "Current", nullptr, &type, reinterpret_cast<BYTE*>(current), &size) ==
                          ERROR_SUCCESS && type == REG_SZ;
    RegCloseKey(key);
    return !read || std::string(current) != "Windows Standard";
}

}  // namespace

CVisualStyles::~CVisualStyles() { Release(); }

bool CVisualStyles::Prepare(HWND window) {
    Release();
    if (!SystemShowsATheme()) return false;
    library_ = LoadLibraryA("UXTHEME.DLL");
    if (!library_) return false;
    for (const char* name : kThemeFunctions) {
        if (!GetProcAddress(library_, name)) {
            Release();
            return false;
        }
    }
    openThemeData_ = wingui::LoadFunction<OpenThemeDataFunction>(library_, "OpenThemeData");
    closeThemeData_ = wingui::LoadFunction<CloseThemeDataFunction>(library_, "CloseThemeData");
    drawThemeBackground_ = wingui::LoadFunction<DrawThemeBackgroundFunction>(library_, "DrawThemeBackground");
    theme_ = openThemeData_(window, L"Button");
    if (!theme_) Release();
    return theme_ != nullptr;
}

bool CVisualStyles::DrawButtonBackground(HDC dc, int state, const RECT& rect) const {
    if (!theme_) return false;
    RECT larger = rect;
    InflateRect(&larger, 1, 1);
    return SUCCEEDED(drawThemeBackground_(theme_, dc, kPushButtonPart, state, &larger, nullptr));
}

void CVisualStyles::Release() {
    if (theme_ && closeThemeData_) closeThemeData_(theme_);
    theme_ = nullptr;
    if (library_) FreeLibrary(library_);
    library_ = nullptr;
    openThemeData_ = nullptr;
    closeThemeData_ = nullptr;
    drawThemeBackground_ = nullptr;
}
