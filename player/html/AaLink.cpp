#include "AaLink.h"

#include "SettingsList.h"
#include "ValueEncoding.h"
#include "records/SettingsButton.h"

namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

std::optional<std::string> AaLinkButtonName(std::string_view address) {
    constexpr std::string_view kPrefix = "aa:";
    if (address.size() < kPrefix.size() || !EqualsIgnoringCase(address.substr(0, kPrefix.size()), kPrefix)) {
        return std::nullopt;
    }
    return ReplaceAll(address, "%20", " ").substr(kPrefix.size());
}

CSettingsButton* FindButtonByName(const CSettingsList& buttons, std::string_view name) {
    for (const auto& record : buttons) {
        if (record->SettingType() != kSettingButton) continue;
        if (EqualsIgnoringCase(record->GetName(), name)) return static_cast<CSettingsButton*>(record.get());
    }
    return nullptr;
}
