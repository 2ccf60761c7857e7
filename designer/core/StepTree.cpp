#include "StepTree.h"

#include "SettingsList.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsLaunch.h"

namespace {

StepNode FindIn(CSettingsList& list, CSettings* parent, const CSettings* record) {
    for (const auto& entry : list) {
        if (entry.get() == record) return {entry.get(), &list, parent};
        if (CSettingsList* children = entry->ChildList()) {
            if (StepNode found = FindIn(*children, entry.get(), record)) return found;
        }
    }
    return {};
}

const char* ActionDefaultName(std::int32_t kind) {
    switch (kind) {
        case kLaunchOpenDocument: return "Open Document";
        case kLaunchWebSite: return "Open Web Site";
        case kLaunchEmail: return "Send Email";
        case kLaunchExplore: return "Explore Disc";
        case kLaunchMessage: return "Show Message";
        case kLaunchRunFromDisc: return "Run Application";
        case kLaunchRunWindowsProgram: return "Run Standard Application";
        case kLaunchPrintDocument: return "Print Document";
        default: return "";
    }
}

const char* DefaultName(const CSettings& record) {
    switch (record.SettingType()) {
        case kSettingIcon: return "Icon";
        case kSettingSplash: return "Splash";
        case kSettingLaunch: return ActionDefaultName(static_cast<const CSettingsLaunch&>(record).LaunchTypeV3);
        case kSettingSecurity: return "Security";
        case kSettingLicense: return "License";
        case kSettingHtml: return "AutoRun Menu";
        case kSettingDriver: return "Driver Directories";
        case kSettingInstall: return "Install";
        default: return "";
    }
}

int ActionImage(std::int32_t kind) {
    switch (kind) {
        case kLaunchPrintDocument: return 1;
        case kLaunchEmail: return 2;
        case kLaunchRunFromDisc: return 3;
        case kLaunchWebSite: return 9;
        case kLaunchOpenDocument: return 10;
        case kLaunchExplore: return 11;
        case kLaunchRunWindowsProgram: return 13;
        case kLaunchMessage: return 14;
        default: return 10;
    }
}

CSettings* FirstMenu(const CSettingsList& root) { return root.FindByType(kSettingHtml); }

const CSettings* LastOf(const CSettingsList& list) { return list.Count() ? list.GetAt(list.Count() - 1) : nullptr; }

bool IsIconOrDriver(const CSettings& record) {
    return record.SettingType() == kSettingIcon || record.SettingType() == kSettingDriver;
}

}  // namespace

StepNode FindStepNode(CSettingsList& root, const CSettings* record) {
    return record ? FindIn(root, nullptr, record) : StepNode{};
}

std::string StepDisplayName(CSettings& record) {
    if (record.SettingType() == kSettingButton) return "Button: " + record.GetName();
    if (record.GetName().empty()) record.SetName(DefaultName(record));
    return record.GetName();
}

int StepImageIndex(const CSettings& record) {
    switch (record.SettingType()) {
        case kSettingSecurity: return 0;
        case kSettingLaunch: return ActionImage(static_cast<const CSettingsLaunch&>(record).LaunchTypeV3);
        case kSettingButton: return 4;
        case kSettingHtml: return 5;
        case kSettingSplash: return 7;
        case kSettingLicense: return 8;
        case kSettingInstall: return 12;
        default: return 7;
    }
}

StepTreeFlags FlagsFor(const CSettingsList& root, const StepNode& selected) {
    StepTreeFlags flags;
    flags.canAddButton = FirstMenu(root) != nullptr;
    if (!selected || IsIconOrDriver(*selected.record)) return flags;
    flags.canDelete = true;
    flags.canRename = true;
    const int index = selected.list->IndexOf(selected.record);
    flags.canMoveUp = index > 0;
    flags.canMoveDown = index >= 0 && index < selected.list->Count() - 1;
    flags.hasParent = selected.parent != nullptr;
    return flags;
}

InsertPlace PlaceForNewStep(CSettingsList& root, const StepNode& selected) {
    if (!selected) return {&root, nullptr, nullptr};
    if (selected.record->SettingType() == kSettingButton) {
        return {selected.record->ChildList(), nullptr, selected.record};
    }
    return {selected.list, selected.record, selected.parent};
}

InsertPlace PlaceForNewButton(CSettingsList& root, const StepNode& selected) {
    if (selected) {
        CSettings* record = selected.record;
        if (record->SettingType() == kSettingButton) return {selected.list, record, selected.parent};
        if (record->SettingType() == kSettingHtml) return {record->ChildList(), nullptr, record};
        if (selected.parent && selected.parent->SettingType() == kSettingButton) {
            const StepNode button = FindStepNode(root, selected.parent);
            return {button.list, button.record, button.parent};
        }
        CSettings* menu = FirstMenu(root);
        return menu ? InsertPlace{menu->ChildList(), nullptr, menu} : InsertPlace{};
    }
    CSettings* menu = FirstMenu(root);
    if (!menu) return {};
    return {menu->ChildList(), LastOf(*menu->ChildList()), menu};
}

StepNode NodeToSelectAfterDelete(CSettingsList& root, const StepNode& deleted) {
    if (!deleted) return {};
    const int index = deleted.list->IndexOf(deleted.record);
    if (index + 1 < deleted.list->Count()) return {deleted.list->GetAt(index + 1), deleted.list, deleted.parent};
    if (index > 0) return {deleted.list->GetAt(index - 1), deleted.list, deleted.parent};
    return FindStepNode(root, deleted.parent);
}
