#include "FirstRunSteps.h"

#include "SettingsList.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"

namespace {

bool RunsOnlyTheFirstTime(const CSettings& record) {
    switch (record.SettingType()) {
        case kSettingSecurity: {
            const auto& login = static_cast<const CSettingsSecurity&>(record);
            return login.Active && login.Frequency == CSettingsSecurity::kFirstTimeOnly;
        }
        case kSettingLicense: {
            const auto& license = static_cast<const CSettingsLicense&>(record);
            return license.Active && license.Display == CSettingsLicense::kFirstTimeOnly;
        }
        case kSettingInstall:
            return static_cast<const CSettingsInstall&>(record).When == CSettingsInstall::kFirstTimeOnly;
        default: return false;
    }
}

}  // namespace

bool HasFirstRunBehaviour(const CSettingsList& steps) {
    for (int i = 0; i < steps.Count(); ++i) {
        CSettings* record = steps.GetAt(i);
        if (RunsOnlyTheFirstTime(*record)) return true;
        if (const CSettingsList* below = record->ChildList(); below && HasFirstRunBehaviour(*below)) return true;
    }
    return false;
}

bool IsDiscHistoryKey(std::string_view discNumber) {
    if (discNumber.empty() || discNumber.size() > 10) return false;
    for (char c : discNumber) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}
