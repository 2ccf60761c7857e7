#include "ProjectFields.h"

#include "CommonDialogs.h"
#include "DiscSettings.h"
#include "ProjectNames.h"
#include "ResourceString.h"
#include "WindowText.h"
#include "../../resource.h"

std::string TrimmedItemText(HWND dialog, int id) { return TrimBlanks(wingui::DialogItemText(dialog, id)); }

void EnableOkWhenNamed(HWND dialog) {
    const bool complete =
        !TrimmedItemText(dialog, IDC_PROJECT_NAME).empty() && !TrimmedItemText(dialog, IDC_PROJECT_DIR).empty();
    EnableWindow(GetDlgItem(dialog, IDOK), complete);
}

void ProjectFieldEdited(HWND dialog, CDiscSettings& project) {
    project.AutorunUpdated = false;
    EnableOkWhenNamed(dialog);
}

void BrowseForProjectDirectory(HWND dialog) {
    const auto chosen = wingui::ChooseFolder(dialog, wingui::LoadResourceString(IDS_CHOOSE_PROJECT_DIRECTORY));
    if (chosen && !chosen->empty()) SetDlgItemTextA(dialog, IDC_PROJECT_DIR, chosen->c_str());
}

bool TakeNameAndDirectory(HWND dialog, CDiscSettings& project) {
    const std::string name = TrimmedItemText(dialog, IDC_PROJECT_NAME);
    const std::string directory = TrimmedItemText(dialog, IDC_PROJECT_DIR);
    if (name.empty() || directory.empty()) return false;
    project.ProjectName = name;
    project.TargetDir = directory;
    return true;
}
