#include "CommonDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace wingui {

namespace {

// Long enough for any path the platform takes.
constexpr DWORD kPathCharacters = 32768;

OPENFILENAMEA FileDialogFor(HWND owner, const FileDialogOptions& options, const std::string& filter,
                            std::vector<char>& name) {
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = DWORD(name.size());
    dialog.lpstrInitialDir = options.initialDirectory.empty() ? nullptr : options.initialDirectory.c_str();
    dialog.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    dialog.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return dialog;
}

std::vector<char> NameBuffer(const std::string& initialName) {
    std::vector<char> name(kPathCharacters, '\0');
    initialName.copy(name.data(), std::min<std::size_t>(initialName.size(), name.size() - 1));
    return name;
}

}  // namespace

std::string PlatformFilter(const std::string& filter) {
    std::string platform = filter;
    for (char& c : platform) {
        if (c == '|') c = '\0';
    }
    if (platform.empty() || platform.back() != '\0') platform.push_back('\0');
    platform.push_back('\0');
    return platform;
}

namespace {

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogOptions& options, DWORD flags,
                                         BOOL(WINAPI* show)(LPOPENFILENAMEA)) {
    const std::string filter = options.filter.empty() ? std::string() : PlatformFilter(options.filter);
    std::vector<char> name = NameBuffer(options.initialName);
    OPENFILENAMEA dialog = FileDialogFor(owner, options, filter, name);
    dialog.Flags |= flags;
    if (!show(&dialog)) return std::nullopt;
    return std::string(name.data());
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(HWND owner, const FileDialogOptions& options) {
    return RunFileDialog(owner, options, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, GetOpenFileNameA);
}

std::optional<std::string> ChooseFileToSave(HWND owner, const FileDialogOptions& options) {
    return RunFileDialog(owner, options, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, GetSaveFileNameA);
}

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial) {
    // The sixteen custom colours live as long as the program, as authors expect.
    static COLORREF customColours[16] = {};
    CHOOSECOLORA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.rgbResult = initial;
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&dialog)) return std::nullopt;
    return dialog.rgbResult;
}

std::optional<LOGFONTA> ChooseFontFor(HWND owner, const LOGFONTA& initial) {
    LOGFONTA font = initial;
    CHOOSEFONTA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &font;
    dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    if (!ChooseFontA(&dialog)) return std::nullopt;
    return font;
}

std::optional<std::string> ChooseFolder(HWND owner, const std::string& prompt, const std::string& root) {
    char display[MAX_PATH] = {};
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pszDisplayName = display;
    browse.lpszTitle = prompt.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    // A root that cannot be named leaves the whole file system to browse.
    PIDLIST_ABSOLUTE rootItem = root.empty() ? nullptr : ILCreateFromPathA(root.c_str());
    browse.pidlRoot = rootItem;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
    if (rootItem) ILFree(rootItem);
    if (!chosen) return std::nullopt;
    std::vector<char> path(kPathCharacters, '\0');
    const bool named = SHGetPathFromIDListA(chosen, path.data()) != FALSE;
    CoTaskMemFree(chosen);
    if (!named || !path[0]) return std::nullopt;
    return std::string(path.data());
}

}  // namespace wingui
