#include "SplashForm.h"

#include <commctrl.h>

#include <string>

#include "FormRules.h"
#include "ProjectFilePicker.h"
#include "StepTree.h"
#include "records/SettingsSplash.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 7;

}  // namespace

CSplashForm::CSplashForm(IDesignerHost& host) : CSettingsForm(IDD_SPLASH_FORM, host, kHelpTopic) {}

BOOL CSplashForm::OnInitDialog() {
    Filling filling(*this);  // the spins write their buddies
    for (int spin : {IDC_SPLASH_LENGTH_SPIN, IDC_SPLASH_SOUND_SPIN}) {
        SendDlgItemMessageA(Handle(), spin, UDM_SETRANGE32, 0, 30);
    }
    SendDlgItemMessageA(Handle(), IDC_SPLASH_LENGTH_SPIN, UDM_SETBUDDY, WPARAM(Item(IDC_SPLASH_LENGTH)), 0);
    SendDlgItemMessageA(Handle(), IDC_SPLASH_SOUND_SPIN, UDM_SETBUDDY, WPARAM(Item(IDC_SPLASH_SOUND_LENGTH)), 0);
    return CSettingsForm::OnInitDialog();
}

void CSplashForm::SetSeconds(int id, int seconds) { SetText(id, std::to_string(ClampSplashSeconds(seconds))); }

int CSplashForm::Seconds(int id) { return SplashSecondsFromText(Text(id)); }

bool CSplashForm::LoadSettings(CSettings* record) {
    splash_ = dynamic_cast<CSettingsSplash*>(record);
    if (!splash_) return false;
    SetBanner(StepDisplayName(*splash_));
    SetChecked(IDC_SPLASH_IMAGE, splash_->Image);
    SetText(IDC_SPLASH_IMAGE_FILE, splash_->ImageFile);
    SetSeconds(IDC_SPLASH_LENGTH, splash_->Length);
    SetChecked(IDC_SPLASH_SOUND, splash_->Sound);
    SetText(IDC_SPLASH_SOUND_FILE, splash_->SoundFile);
    const int option = splash_->SoundOption == CSettingsSplash::kLoopWhileShown       ? IDC_SPLASH_LOOP
                       : splash_->SoundOption == CSettingsSplash::kPlayForSoundLength ? IDC_SPLASH_PLAY_FOR
                                                                                      : IDC_SPLASH_ONCE;
    {
        Filling filling(*this);
        CheckRadioButton(Handle(), IDC_SPLASH_LOOP, IDC_SPLASH_PLAY_FOR, option);
    }
    SetSeconds(IDC_SPLASH_SOUND_LENGTH, splash_->SoundLength);
    UpdateControls();
    return true;
}

bool CSplashForm::UpdateControls() {
    EnableItems({IDC_SPLASH_IMAGE_LABEL, IDC_SPLASH_IMAGE_FILE, IDC_SPLASH_IMAGE_BROWSE, IDC_SPLASH_LENGTH_LABEL,
                 IDC_SPLASH_LENGTH, IDC_SPLASH_LENGTH_SPIN, IDC_SPLASH_LENGTH_UNIT},
                Checked(IDC_SPLASH_IMAGE));
    EnableItems({IDC_SPLASH_SOUND_LABEL, IDC_SPLASH_SOUND_FILE, IDC_SPLASH_SOUND_BROWSE, IDC_SPLASH_LOOP,
                 IDC_SPLASH_ONCE, IDC_SPLASH_PLAY_FOR, IDC_SPLASH_SOUND_LENGTH, IDC_SPLASH_SOUND_SPIN,
                 IDC_SPLASH_SOUND_UNIT},
                Checked(IDC_SPLASH_SOUND));
    return true;
}

void CSplashForm::OnEdited(WORD id, WORD notifyCode) {
    if (id == IDC_SPLASH_IMAGE || id == IDC_SPLASH_SOUND) UpdateControls();
    CSettingsForm::OnEdited(id, notifyCode);
}

bool CSplashForm::OnCommand(WORD id, WORD notifyCode, HWND control) {
    // Leaving a seconds field shows what will be kept.
    if (notifyCode == EN_KILLFOCUS && (id == IDC_SPLASH_LENGTH || id == IDC_SPLASH_SOUND_LENGTH)) {
        const std::string clamped = std::to_string(Seconds(id));
        if (Text(id) != clamped) SetText(id, clamped);
        return true;
    }
    return CSettingsForm::OnCommand(id, notifyCode, control);
}

void CSplashForm::Browse(int id, UINT titleId, UINT filterId) {
    std::string path = Text(id);
    const ProjectFileRequest request{titleId, filterId};
    if (ChooseProjectFile(GetAncestor(Handle(), GA_ROOT), request, ProjectDirectory(), path)) {
        SetText(id, path);
        Host().ProjectChanged();
    }
}

bool CSplashForm::OnButton(WORD id) {
    if (id == IDC_SPLASH_IMAGE_BROWSE) {
        Browse(IDC_SPLASH_IMAGE_FILE, IDS_SELECT_SPLASH_IMAGE, IDS_FILTER_BITMAPS);
        return true;
    }
    if (id == IDC_SPLASH_SOUND_BROWSE) {
        Browse(IDC_SPLASH_SOUND_FILE, IDS_SELECT_SOUND, IDS_FILTER_SOUNDS);
        return true;
    }
    return false;
}

bool CSplashForm::SaveSettings() {
    if (!splash_) return false;
    splash_->Image = Checked(IDC_SPLASH_IMAGE);
    splash_->ImageFile = Text(IDC_SPLASH_IMAGE_FILE);
    splash_->Length = Seconds(IDC_SPLASH_LENGTH);
    splash_->Sound = Checked(IDC_SPLASH_SOUND);
    splash_->SoundFile = Text(IDC_SPLASH_SOUND_FILE);
    splash_->SoundOption = Checked(IDC_SPLASH_LOOP)       ? CSettingsSplash::kLoopWhileShown
                           : Checked(IDC_SPLASH_PLAY_FOR) ? CSettingsSplash::kPlayForSoundLength
                                                          : CSettingsSplash::kPlayOnce;
    splash_->SoundLength = Seconds(IDC_SPLASH_SOUND_LENGTH);
    return splash_->SaveRecord();
}
