#include "Settings.h"

#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"

std::unique_ptr<CSettings> CreateSettings(std::int32_t kind) {
    switch (kind) {
        case kSettingSplash: return std::make_unique<CSettingsSplash>();
        case kSettingLaunch: return std::make_unique<CSettingsLaunch>();
        case kSettingSecurity: return std::make_unique<CSettingsSecurity>();
        case kSettingLicense: return std::make_unique<CSettingsLicense>();
        case kSettingHtml: return std::make_unique<CSettingsHtml>();
        case kSettingInstall: return std::make_unique<CSettingsInstall>();
        case kSettingButton: return std::make_unique<CSettingsButton>();
        default: return nullptr;
    }
}
