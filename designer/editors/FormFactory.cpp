#include "FormFactory.h"

#include "Settings.h"
#include "StepFormStandIn.h"
#include "forms/ButtonForm.h"
#include "forms/DriverForm.h"
#include "forms/GeneralForm.h"
#include "forms/HtmlForm.h"
#include "forms/IconForm.h"
#include "forms/InstallForm.h"
#include "forms/LaunchForm.h"
#include "forms/LicenseForm.h"
#include "forms/SecurityForm.h"
#include "forms/SplashForm.h"

std::unique_ptr<CSettingsForm> CreateFormFor(const CSettings* record, IDesignerHost& host) {
    if (!record) return std::make_unique<CGeneralForm>(host);
    switch (record->SettingType()) {
        case kSettingIcon: return std::make_unique<CIconForm>(host);
        case kSettingSplash: return std::make_unique<CSplashForm>(host);
        case kSettingLicense: return std::make_unique<CLicenseForm>(host);
        case kSettingSecurity: return std::make_unique<CSecurityForm>(host);
        case kSettingDriver: return std::make_unique<CDriverForm>(host);
        case kSettingInstall: return std::make_unique<CInstallForm>(host);
        case kSettingLaunch: return std::make_unique<CLaunchForm>(host);
        case kSettingButton: return std::make_unique<CButtonDefinedForm>(host);
        case kSettingHtml: return std::make_unique<CHtmlForm>(host);
        // Records the designer has no form for (the viewer record is never a step).
        default: return std::make_unique<CStepFormStandIn>(host);
    }
}
