#include "AddStepChoices.h"

#include <algorithm>
#include <iterator>

#include "Settings.h"
#include "records/SettingsLaunch.h"
#include "util/TextCase.h"

namespace {

struct ChoiceRow {
    AddStepChoice choice;
    bool inButtonMode;
};

constexpr ChoiceRow kRows[] = {
    {{"Install standard viewer", kSettingInstall, 0, true, 396, 109}, true},
    {{"Install software that you include on the disc", kSettingInstall, 0, false, 396, 104}, true},
    {{"Display a license agreement", kSettingLicense, 0, false, 392, 105}, false},
    {{"Secure access to disc contents", kSettingSecurity, 0, false, 386, 106}, false},
    {{"Display a splash screen and/or play a sound", kSettingSplash, 0, false, 391, 375}, false},
    {{"Open document or file using default viewer", kSettingLaunch, kLaunchOpenDocument, false, 394, 107}, true},
    {{"Open explorer to view contents of folder on disc ", kSettingLaunch, kLaunchExplore, false, 395, 108}, true},
    {{"Open a new email message", kSettingLaunch, kLaunchEmail, false, 384, 378}, true},
    {{"Open a Web site in default browser", kSettingLaunch, kLaunchWebSite, false, 393, 379}, true},
    {{"Show message dialog", kSettingLaunch, kLaunchMessage, false, 398, 380}, false},
    {{"Run application from disc", kSettingLaunch, kLaunchRunFromDisc, false, 387, 381}, true},
    {{"Run standard Windows application", kSettingLaunch, kLaunchRunWindowsProgram, false, 397, 382}, true},
    {{"Print document or file using default viewer", kSettingLaunch, kLaunchPrintDocument, false, 385, 383}, true},
};

}  // namespace

std::vector<AddStepChoice> AddStepChoices(AddStepMode mode, bool standardViewerDefined) {
    std::vector<AddStepChoice> choices;
    for (const ChoiceRow& row : kRows) {
        if (row.choice.standardViewer && !standardViewerDefined) continue;
        if (mode == AddStepMode::kButton && !row.inButtonMode) continue;
        choices.push_back(row.choice);
    }
    std::sort(choices.begin(), choices.end(), [](const AddStepChoice& a, const AddStepChoice& b) {
        return ToLowerAscii(a.text) < ToLowerAscii(b.text);
    });
    return choices;
}

int InitialChoice(const std::vector<AddStepChoice>& choices, std::int32_t settingType, std::int32_t actionKind) {
    if (choices.empty()) return -1;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const AddStepChoice& choice = choices[i];
        if (choice.standardViewer || choice.settingType != settingType) continue;
        if (settingType == kSettingLaunch && choice.actionKind != actionKind) continue;
        return int(i);
    }
    return 0;
}
