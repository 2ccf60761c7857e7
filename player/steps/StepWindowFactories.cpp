// The player's splash, login, license and install steps behind the
// sequencer's window interface, with the running player's disc root.
#include "StepWindowFactories.h"

#include "AutorunApp.h"
#include "install/InstallStep.h"
#include "license/LicenseDialog2.h"
#include "login/PasswordDialog.h"
#include "history/DiscHistory.h"
#include "sequencer/StepSequencer.h"
#include "splash/SplashSound.h"

namespace {

// The association and version lookups of the system with the sequencer's
// first-run history of the disc.
class CSequencerInstallLookups : public CSystemInstallLookups {
public:
    explicit CSequencerInstallLookups(CStepSequencer& sequencer) : sequencer_(sequencer) {}
    bool HistoryIsDone(const std::string& section, const std::string& historyValue) override {
        return sequencer_.HistoryIsDone(kHistoryInstall, section, historyValue);
    }
    void HistoryMarkDone(const std::string& section, const std::string& historyValue) override {
        sequencer_.HistoryMarkDone(kHistoryInstall, section, historyValue);
    }

private:
    CStepSequencer& sequencer_;
};

}  // namespace

void ShowSplashStep(const CSettingsSplash& splash) { ShowSplash(splash, GetDiscRoot()); }

bool AskLoginPair(const CSettingsSecurity&, std::string& user, std::string& password) {
    return AskLoginEntries(user, password, nullptr);
}

INT_PTR ShowLicenseDialog(const CSettingsLicense& license) {
    return ShowLicenseAgreement(license, GetDiscRoot(), nullptr);
}

bool RunInstallStep(CSettingsInstall& install, const std::string& section, HWND parent, CStepSequencer& sequencer) {
    CSequencerInstallLookups lookups(sequencer);
    return RunInstall(install, section, sequencer.DiscRoot(), parent, InstallFlags{}, lookups);
}
