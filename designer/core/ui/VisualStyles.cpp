#include "VisualStyles.h"

#include <string>

#include "ProcAddress.h"
#include "RegistryUtil.h"


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
    // Without the value (no appearance scheme stored) a theme is in use.
    std::string current;
    const bool read = ReadPathValue("HKEY_CURRENT_USER\\Control Panel\\Appearance", "Current", current);
    return !read || current != "Windows Standard";
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
