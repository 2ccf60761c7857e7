#include "AaLink.h"

#include "SettingsList.h"
#include "ValueEncoding.h"
#include "records/SettingsButton.h"
#include "util/TextCase.h"

std::optional<std::string> AaLinkButtonName(std::string_view address) {
    constexpr std::string_view kPrefix = "aa:";
    if (!StartsWithNoCase(address, kPrefix)) {
        return std::nullopt;
    }
    return ReplaceAll(address, "%20", " ").substr(kPrefix.size());
}

CSettingsButton* FindButtonByName(const CSettingsList& buttons, std::string_view name) {
    for (const auto& record : buttons) {
        if (record->SettingType() != kSettingButton) continue;
        if (EqualsNoCase(record->GetName(), name)) return static_cast<CSettingsButton*>(record.get());
    }
    return nullptr;
}
