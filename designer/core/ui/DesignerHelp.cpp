#include "DesignerHelp.h"

#include "ProcAddress.h"
#include "util/LocalFiles.h"

namespace {

constexpr UINT kDisplayTableOfContents = 0x0001;
constexpr UINT kDisplayContext = 0x000F;
constexpr UINT kCloseAll = 0x0012;

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

struct HelpLibrary {
    std::string file;
    HMODULE module = nullptr;
    HtmlHelpFunction htmlHelp = nullptr;
    bool tried = false;

    bool Load() {
        if (!tried) {
            tried = true;
            module = LoadLibraryA("hhctrl.ocx");
            htmlHelp = wingui::LoadFunction<HtmlHelpFunction>(module, "HtmlHelpA");
        }
        return htmlHelp != nullptr;
    }
};

HelpLibrary& Library() {
    static HelpLibrary library;
    return library;
}

void Show(HWND owner, UINT command, DWORD_PTR data) {
    HelpLibrary& library = Library();
    if (library.file.empty() || !IsExistingFile(library.file) || !library.Load()) return;
    library.htmlHelp(owner, library.file.c_str(), command, data);
}

}  // namespace

void SetDesignerHelpFile(const std::string& path) { Library().file = path; }

void ShowHelpTopic(HWND owner, int context) {
    if (context != 0) Show(owner, kDisplayContext, DWORD_PTR(context));
}

void ShowHelpContents(HWND owner) { Show(owner, kDisplayTableOfContents, 0); }

void CloseDesignerHelp() {
    HelpLibrary& library = Library();
    if (library.htmlHelp) library.htmlHelp(nullptr, nullptr, kCloseAll, 0);
    if (library.module) FreeLibrary(library.module);
    library.module = nullptr;
    library.htmlHelp = nullptr;
}
