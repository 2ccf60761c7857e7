#include "BuildValidation.h"

#include "BuildMessages.h"
#include "DiscSettings.h"
#include "MessageText.h"
#include "StepTree.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"
#include "util/Addresses.h"
#include "util/TextCase.h"

namespace {

class Validation {
public:
    Validation(IBuildFiles& files, const MessageTexts& texts) : files_(files), texts_(texts) {}

    BuildLog Run(CDiscSettings& project) {
        CheckFileNames();
        const std::string general = texts_(kMsgGeneralPrefix);
        StepLine(general, project.Icon);
        CheckIcon(project.Icon);
        StepLine(general, project.Driver);
        CheckList(project.RootList, "");
        return log_;
    }

private:
    void Add(int id, const std::vector<std::string>& arguments = {}) {
        const std::string message = FormatMessageText(texts_(id), arguments);
        if (StartsWithNoCase(message, "    ERROR:")) ++log_.errors;
        if (StartsWithNoCase(message, "    WARNING:")) ++log_.warnings;
        log_.text += "\r\n" + message;
    }

    static std::string Joined(const std::string& prefix, const std::string& name) {
        return prefix.empty() ? name : prefix + "->" + name;
    }

    void StepLine(const std::string& prefix, CSettings& record) {
        log_.text += "\r\n" + Joined(prefix, StepDisplayName(record)) + "...";
    }

    bool InProject(const std::string& name) { return files_.FileInProject(name, false); }

    void CheckFileNames() {
        files_.ForEachFile([this](const std::string& path, const std::string& name) {
            if (name.size() > std::size_t(kMaxDiscFileName)) Add(kMsgFileNameTooLong, {std::to_string(kMaxDiscFileName), path});
        });
    }

    void CheckIcon(const CSettingsIcon& icon) {
        if (icon.Type != 2) return;
        if (icon.Filename.empty()) {
            Add(kMsgCustomIconWithoutFile);
        } else if (!files_.FileInProject(icon.Filename, true)) {
            Add(kMsgCustomIconNotInRoot);
        }
    }

    void CheckList(CSettingsList& list, const std::string& prefix) {
        int closingButtonsWithoutActions = 0;
        for (int i = 0; i < list.Count(); ++i) {
            CSettings& record = *list.GetAt(i);
            StepLine(prefix, record);
            switch (record.SettingType()) {
                case kSettingSplash: CheckSplash(static_cast<CSettingsSplash&>(record)); break;
                case kSettingLaunch: CheckAction(static_cast<CSettingsLaunch&>(record)); break;
                case kSettingSecurity: CheckLogin(static_cast<CSettingsSecurity&>(record)); break;
                case kSettingLicense: CheckLicense(static_cast<CSettingsLicense&>(record)); break;
                case kSettingInstall: CheckInstall(static_cast<CSettingsInstall&>(record)); break;
                case kSettingHtml: CheckMenu(static_cast<CSettingsHtml&>(record), prefix); break;
                case kSettingButton:
                    CheckButton(static_cast<CSettingsButton&>(record), prefix, closingButtonsWithoutActions);
                    break;
                default: break;
            }
        }
    }

    void CheckSplash(const CSettingsSplash& splash) {
        const bool usableImage =
            splash.Image && CheckChosenFile(splash.ImageFile, kMsgSplashImageWithoutFile, kMsgSplashImageMissing);
        if (!splash.Sound) return;
        CheckChosenFile(splash.SoundFile, kMsgSoundWithoutFile, kMsgSoundMissing);
        if (splash.SoundOption == CSettingsSplash::kLoopWhileShown && !usableImage) Add(kMsgSoundLoopsWithoutImage);
    }

    void CheckAction(const CSettingsLaunch& action) {
        if (action.LaunchType != CSettingsLaunch::kFromFile) {
            if (action.RegKey.empty() || action.RegValue.empty()) Add(kMsgRegistryIncomplete);
            return;
        }
        const std::string& field = action.File;
        switch (action.LaunchTypeV3) {
            case kLaunchOpenDocument:
            case kLaunchRunFromDisc:
            case kLaunchPrintDocument:
                CheckChosenFile(field, kMsgNoFileToOpen, kMsgRequiredFileMissing);
                break;
            case kLaunchWebSite:
                if (field.empty()) {
                    Add(kMsgNoWebAddress);
                } else if (!IsValidWebAddress(field)) {
                    Add(kMsgBadWebAddress);
                }
                break;
            case kLaunchEmail:
                if (field.empty()) {
                    Add(kMsgNoEmailAddress);
                } else if (!IsValidEmailAddress(field)) {
                    Add(kMsgBadEmailAddress);
                }
                break;
            case kLaunchExplore:
                if (field.empty()) {
                    Add(kMsgNoDirectory);
                } else if (!files_.DirectoryInProject(field)) {
                    Add(kMsgDirectoryMissing, {field});
                }
                break;
            case kLaunchMessage:
                if (field.empty()) Add(kMsgNoMessageText);
                break;
            case kLaunchRunWindowsProgram:
                if (field.empty()) Add(kMsgNoCommand);
                break;
            default: break;
        }
    }

    void CheckLogin(const CSettingsSecurity& login) {
        if (login.Active && (login.Username.empty() || login.Password.empty())) Add(kMsgLoginIncomplete);
    }

    void CheckLicense(const CSettingsLicense& license) {
        if (license.Active) CheckChosenFile(license.File, kMsgLicenseWithoutFile, kMsgLicenseMissing);
    }

    void CheckInstall(const CSettingsInstall& install) {
        CheckChosenFile(install.File, kMsgNoInstallFile, kMsgInstallFileMissing);
        const bool byFileType = install.When == CSettingsInstall::kByFileType;
        if (byFileType && install.FileExtension.empty()) Add(kMsgInstallWithoutFileType);
        if (byFileType && install.WhenViewer == CSettingsInstall::kWhenOlderVersion && install.Version.empty()) {
            Add(kMsgInstallWithoutVersion);
        }
        if (install.Prompt && install.Message.empty()) Add(kMsgInstallPromptEmpty);
    }

    // An empty name is one message, a name not in the project the other;
    // true when the file is there.
    bool CheckChosenFile(const std::string& name, int emptyMessage, int missingMessage) {
        if (name.empty()) {
            Add(emptyMessage);
            return false;
        }
        if (!InProject(name)) {
            Add(missingMessage, {name});
            return false;
        }
        return true;
    }

    void CheckStandardMenu(const CSettingsHtml& menu) {
        if (menu.MenuTitle.empty()) Add(kMsgNoMenuTitle);
        if (!menu.LogoFilename.empty() && !InProject(menu.LogoFilename)) Add(kMsgLogoMissing, {menu.LogoFilename});
        if (menu.BackgroundType == CSettingsHtml::kBackgroundImage) {
            CheckChosenFile(menu.BgrndFilename, kMsgNoBackground, kMsgBackgroundMissing);
        }
        CheckChosenFile(menu.ButtonUFile, kMsgButtonImageNotSelected, kMsgButtonImageMissing);
        if (menu.ButtonCustom || !menu.ButtonUFile.empty()) {
            for (const std::string* state : {&menu.ButtonDFile, &menu.ButtonFFile, &menu.ButtonRFile}) {
                CheckChosenFile(*state, kMsgButtonImageNotSelected, kMsgButtonImageMissing);
            }
        }
        if (menu.UseImage) CheckChosenFile(menu.ImageFilename, kMsgNoImage, kMsgImageMissing);
    }

    void CheckMenu(CSettingsHtml& menu, const std::string& prefix) {
        if (menu.WindowName.empty()) Add(kMsgNoWindowName);
        if (menu.MenuType == CSettingsHtml::kHtmlMenu) {
            CheckChosenFile(menu.Filename, kMsgNoBaseFile, kMsgBaseFileMissing);
        } else {
            CheckStandardMenu(menu);
        }
        CheckList(menu.Buttons(), Joined(prefix, menu.GetName()));
        if (menu.Buttons().Count() == 0) Add(kMsgMenuWithoutButtons);
    }

    void CheckButton(CSettingsButton& button, const std::string& prefix, int& closingWithoutActions) {
        CheckList(button.Actions(), Joined(prefix, StepDisplayName(button)));
        if (button.Actions().Count() != 0) return;
        if (!button.WindowClose) {
            Add(kMsgButtonWithoutActions);
        } else if (++closingWithoutActions == 2) {
            Add(kMsgButtonsWithoutActions);
        }
    }

    IBuildFiles& files_;
    const MessageTexts& texts_;
    BuildLog log_;
};

}  // namespace

BuildLog ValidateProject(CDiscSettings& project, IBuildFiles& files, const MessageTexts& texts) {
    return Validation(files, texts).Run(project);
}

std::string BuildReportText(const BuildLog& log, const MessageTexts& texts) {
    std::string report = texts(log.errors > 0 ? kMsgNotBuiltWithErrors : kMsgNotAsIntended);
    report += "\r\n\r\n------------------------ " + texts(kMsgBuildLogStarted) + " ------------------------";
    report += log.text;
    report += "\r\n------------------------ " + texts(kMsgBuildLogCompleted) + " ------------------------";
    return report;
}

std::string BuildSummaryText(const BuildLog& log, const MessageTexts& texts) {
    return FormatMessageText(texts(kMsgSummary), {std::to_string(log.errors), std::to_string(log.warnings)});
}
