#pragma once
// The platform's common dialogs, each answering nothing when the user
// cancelled (or the dialog could not be shown).
#include <windows.h>

#include <optional>
#include <string>

namespace wingui {

struct FileDialogOptions {
    // Pairs of description and pattern, each ended by '|', as in
    // "Pictures (*.bmp)|*.bmp|All Files (*.*)|*.*|".
    std::string filter;
    std::string initialDirectory;
    std::string initialName;
    std::string defaultExtension;  // without the dot
    std::string title;             // the dialog's own when empty
};

std::optional<std::string> ChooseFileToOpen(HWND owner, const FileDialogOptions& options);
// Asks before replacing an existing file.
std::optional<std::string> ChooseFileToSave(HWND owner, const FileDialogOptions& options);
std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial);
std::optional<LOGFONTA> ChooseFontFor(HWND owner, const LOGFONTA& initial);
// A directory of the file system; the prompt stands above the tree. With a
// root, only that directory and what lies below it are offered.
std::optional<std::string> ChooseFolder(HWND owner, const std::string& prompt, const std::string& root = {});

// The filter's '|' separators as the platform wants them: zero characters,
// ended by two.
std::string PlatformFilter(const std::string& filter);

}  // namespace wingui
