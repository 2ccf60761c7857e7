#include "LargeProject.h"

#include <memory>

#include "DiscSettings.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsLaunch.h"

void WriteLargeProject(const std::string& settingsFile, int menus, const std::string& targetDirectory, bool built) {
    CDiscSettings project;
    project.SetFileName(settingsFile);
    project.TargetDir = targetDirectory;
    project.AutorunUpdated = built;
    for (int m = 0; m < menus; ++m) {
        auto menu = std::make_unique<CSettingsHtml>();
        menu->SetName("Menu " + std::to_string(m + 1));
        for (int b = 0; b < kButtonsPerMenu; ++b) {
            auto button = std::make_unique<CSettingsButton>();
            button->SetName("Button " + std::to_string(m + 1) + "." + std::to_string(b + 1));
            for (int a = 0; a < kActionsPerButton; ++a) {
                auto action = std::make_unique<CSettingsLaunch>();
                action->LaunchTypeV3 = a == 0 ? kLaunchOpenDocument : kLaunchWebSite;
                action->File = "\\Docs\\Chapter" + std::to_string(m * 10 + b) + ".pdf";
                button->Actions().Add(std::move(action), false);
            }
            menu->Buttons().Add(std::move(button), false);
        }
        project.RootList.Add(std::move(menu), false);
    }
    project.SaveAll();
}
