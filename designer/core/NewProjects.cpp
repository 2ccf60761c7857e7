#include "NewProjects.h"

#include "DiscSettings.h"
#include "ProjectNames.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"

void AddExitButton(CSettingsHtml& menu, const std::string& caption) {
    auto exit = std::make_unique<CSettingsButton>();
    exit->SetName(caption);
    exit->WindowClose = true;
    menu.Buttons().Add(std::move(exit), false);
}

void GiveFirstSteps(CDiscSettings& project, const std::string& exitCaption) {
    project.CreateDefaultSteps();
    if (project.AutorunType != CDiscSettings::kMenuDisc) return;
    if (auto* menu = static_cast<CSettingsHtml*>(project.RootList.FindByType(kSettingHtml))) {
        AddExitButton(*menu, exitCaption);
    }
}

void RemoveEmptyInstallStep(CDiscSettings& project) {
    auto* install = static_cast<CSettingsInstall*>(project.RootList.FindByType(kSettingInstall));
    if (install && install->File.empty()) project.RootList.Remove(install);
}

std::unique_ptr<CDiscSettings> CopyProject(const CDiscSettings& original) {
    auto copy = std::make_unique<CDiscSettings>(original);
    copy->ProjectName = CopyNameFor(original.ProjectName);
    copy->AutorunUpdated = false;
    copy->InfoDirName.clear();
    copy->InfoDirPath.clear();
    copy->Index = -1;
    return copy;
}
