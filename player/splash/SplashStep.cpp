#include "SplashStep.h"

#include "SplashModalDialog.h"
#include "SplashSound.h"
#include "records/SettingsSplash.h"

void ShowSplash(const CSettingsSplash& splash, const std::string& discRoot) {
    if (splash.Image) {
        CSplashModalDialog dialog(splash, discRoot);
        if (dialog.Prepare()) dialog.DoModal(nullptr);
    } else if (splash.Sound) {
        PlaySplashSound(splash, discRoot);
    }
}
