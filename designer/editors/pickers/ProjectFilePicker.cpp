#include "ProjectFilePicker.h"

#include "CommonDialogs.h"
#include "DesignerMessage.h"
#include "FileNameLength.h"
#include "MessageText.h"
#include "ProjectFilePaths.h"
#include "RenameDialog.h"
#include "ResourceString.h"
#include "util/LocalFiles.h"
#include "util/PathNames.h"
#include "../../resource.h"

namespace {

// The dialog opens on the stored file when it exists, else in the project.
wingui::FileDialogOptions DialogOptions(const ProjectFileRequest& request, const std::string& base,
                                        const std::string& path) {
    wingui::FileDialogOptions options;
    options.title = wingui::LoadResourceString(request.titleId);
    options.filter = wingui::LoadResourceString(request.filterId);
    options.initialDirectory = base;
    if (!path.empty()) {
        const std::string current = JoinProjectPath(base, path);
        if (IsExistingFile(current)) {
            options.initialDirectory = GetDirectoryPart(current);
            options.initialName = GetFileName(current, false);
        }
    }
    return options;
}

enum class Outcome { kTaken, kAgain };

// A file from outside the project, copied in where the author says.
Outcome CopyIntoProject(HWND owner, const ProjectFileRequest& request, const std::string& base, std::string& chosen) {
    if (ShowDesignerMessage(owner, IDS_COPY_INTO_PROJECT, MB_YESNO | MB_ICONQUESTION) != IDYES) return Outcome::kAgain;
    std::string destination = "\\";
    if (!request.rootOnly && !ChooseProjectDirectory(owner, IDS_COPY_DESTINATION, base, true, destination)) {
        return Outcome::kAgain;
    }
    std::string name = GetFileName(chosen, false);
    if (!CheckFileNameLength(owner, name)) return Outcome::kAgain;
    const std::string target = CopyDestination(base, destination, name);
    // Never over a file that is there already: it may be another step's.
    if (!CopyFileA(chosen.c_str(), target.c_str(), TRUE)) {
        ShowDesignerMessage(owner, IDS_COPY_FAILED, MB_OK | MB_ICONERROR);
        return Outcome::kAgain;
    }
    chosen = target;
    return Outcome::kTaken;
}

}  // namespace

bool ChooseProjectFile(HWND owner, const ProjectFileRequest& request, const std::string& base, std::string& path) {
    for (;;) {
        const auto picked = wingui::ChooseFileToOpen(owner, DialogOptions(request, base, path));
        if (!picked) return false;
        std::string chosen = *picked;
        if (request.requireExtension && GetExtension(chosen).empty()) {
            ShowDesignerMessage(owner, IDS_FILE_WITHOUT_TYPE, MB_OK | MB_ICONERROR, {chosen});
            continue;
        }
        if (!request.keepInsideProject) {
            path = chosen;
            return true;
        }
        if (!RelativeToProject(base, chosen) && CopyIntoProject(owner, request, base, chosen) != Outcome::kTaken) {
            continue;
        }
        const auto relative = RelativeToProject(base, chosen);
        if (!relative) continue;
        if (request.rootOnly && !IsRootLevelName(*relative)) {
            ShowDesignerMessage(owner, IDS_FILE_NOT_IN_ROOT, MB_OK | MB_ICONERROR, {base});
            continue;
        }
        path = *relative;
        return true;
    }
}

bool ChooseProjectDirectory(HWND owner, UINT titleId, const std::string& base, bool relative, std::string& path) {
    const auto chosen = wingui::ChooseFolder(owner, wingui::LoadResourceString(titleId), base);
    if (!chosen || chosen->empty()) return false;
    if (!relative) {
        path = *chosen;
        return true;
    }
    // The browser is rooted at the project: a folder elsewhere is not offered.
    const auto stored = RelativeDirectory(base, *chosen);
    if (!stored) return false;
    path = *stored;
    return true;
}

bool CheckFileNameLength(HWND owner, std::string& fileName) {
    const std::string extension = GetExtension(fileName);
    while (IsTooLongForDisc(fileName)) {
        CRenameDialog rename(fileName);
        rename.SetTitle(wingui::LoadResourceString(IDS_RENAME_FILE));
        rename.SetLabel(FormatMessageText(wingui::LoadResourceString(IDS_FILE_NAME_TOO_LONG),
                                          {std::to_string(kMaxDiscFileName)}));
        rename.SetHelpContext(0);
        if (rename.DoModal(owner) != IDOK) return false;
        fileName = KeepingExtension(rename.Name(), extension);
    }
    return true;
}
