#include "PlayerStepWindows.h"

#include "AutorunDlg.h"
#include "MessageBox.h"
#include "history/DiscHistory.h"
#include "install/InstallStep.h"
#include "license/LicenseDialog2.h"
#include "login/PasswordDialog.h"
#include "resource.h"
#include "sequencer/StepSequencer.h"
#include "splash/SplashStep.h"

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

void CPlayerStepWindows::ShowSplash(const CSettingsSplash& splash) { ::ShowSplash(splash, discRoot_); }

bool CPlayerStepWindows::AskLogin(const CSettingsSecurity&, std::string& user, std::string& password) {
    return AskLoginEntries(user, password, nullptr);
}

void CPlayerStepWindows::ShowAccessDenied() {
    wingui::ShowStringMessage(nullptr, {IDS_ACCESS_DENIED}, MB_OK | MB_ICONSTOP);
}

INT_PTR CPlayerStepWindows::ShowLicense(const CSettingsLicense& license) {
    return ShowLicenseAgreement(license, discRoot_, nullptr);
}

std::unique_ptr<IMenuWindow> CPlayerStepWindows::CreateMenuWindow(CDiscSettings& disc, CSettingsHtml& menu,
                                                                  CStepSequencer& sequencer) {
    return std::make_unique<CAutorunDlg>(disc, menu, sequencer);
}

bool CPlayerStepWindows::RunInstall(CSettingsInstall& install, const std::string& section, HWND parent,
                                    CStepSequencer& sequencer) {
    CSequencerInstallLookups lookups(sequencer);
    return ::RunInstall(install, section, sequencer.DiscRoot(), parent, InstallFlags{}, lookups);
}
