#include "LegacyLayout.h"

#include <algorithm>

#include "RecordBudget.h"
#include "SettingsFileAccess.h"
#include "SettingsList.h"
#include "records/SettingsButton.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSplash.h"

namespace {

constexpr int kMaxLegacyEntries = CSettingsList::kMaxRecords;

int LegacyCount(const std::string& file, const std::string& section) {
    std::int32_t count = 0;
    ReadInt(file, section, "Count", count);
    return std::clamp(count, std::int32_t(0), std::int32_t(kMaxLegacyEntries));
}

// The legacy layout numbers its entries from 0 without gaps: an entry with
// none of the keys that make it one ends the list, whatever the count says.
bool HasAnyKey(const std::string& file, const std::string& section, std::initializer_list<const char*> keys, int index) {
    std::string value;
    for (const char* key : keys) {
        if (ReadString(file, section, key + std::to_string(index), value)) return true;
    }
    return false;
}

template <class Record>
void LoadLegacyList(const std::string& file, const std::string& section, std::initializer_list<const char*> entryKeys,
                    CSettingsList& list) {
    int count = LegacyCount(file, section);
    if (count == 0) {
        if (CRecordBudget::Take()) list.Add(std::make_unique<Record>(), false);
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (!HasAnyKey(file, section, entryKeys, i) || !CRecordBudget::Take()) break;
        auto record = std::make_unique<Record>();
        record->SetFileName(file);
        record->LoadLegacy(section, i);
        list.Add(std::move(record), false);
    }
}

}  // namespace

void LoadLegacyInstallList(const std::string& file, const std::string& section, CSettingsList& list) {
    LoadLegacyList<CSettingsInstall>(file, section, {"File"}, list);
}

void LoadLegacyActionList(const std::string& file, const std::string& section, CSettingsList& list) {
    // An action started from the registry names no file.
    LoadLegacyList<CSettingsLaunch>(file, section, {"File", "RegKey"}, list);
}

void LoadLegacyButtonList(const std::string& file, CSettingsList& buttons) {
    const std::string section = "Button";
    int count = LegacyCount(file, section);
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        std::string name;
        if (!ReadString(file, section, "Name" + n, name) || !CRecordBudget::Take()) break;
        auto button = std::make_unique<CSettingsButton>();
        button->SetName(name);
        std::int32_t number = 0, type = 0;
        ReadInt(file, section, "ButtonNumber" + n, number);
        ReadInt(file, section, "ButtonType" + n, type);
        ReadBool(file, section, "WindowClose" + n, button->WindowClose);
        CSettingsButton& added = *button;
        buttons.Add(std::move(button), true);

        CSettingsList& actions = added.Actions();
        if (!CRecordBudget::Take(2)) break;
        actions.AddNumbered(std::make_unique<CSettingsSplash>(), number);
        actions.AddNumbered(std::make_unique<CSettingsLicense>(), number);
        if (type == 1) LoadLegacyInstallList(file, "Install" + std::to_string(number), actions);
        if (type == 2) LoadLegacyActionList(file, "Launch" + std::to_string(number), actions);
    }
}
