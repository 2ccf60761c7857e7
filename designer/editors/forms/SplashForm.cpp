#include "SplashForm.h"

#include <commctrl.h>

#include <string>

#include "FormRules.h"
#include "ProjectFilePicker.h"
#include "records/SettingsSplash.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 7;

}  // namespace

CSplashForm::CSplashForm(IDesignerHost& host) : CRecordForm(IDD_SPLASH_FORM, host, kHelpTopic) {}

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

void CSplashForm::Fill(CSettingsSplash& record) {
    SetChecked(IDC_SPLASH_IMAGE, record.Image);
    SetText(IDC_SPLASH_IMAGE_FILE, record.ImageFile);
    SetSeconds(IDC_SPLASH_LENGTH, record.Length);
    SetChecked(IDC_SPLASH_SOUND, record.Sound);
    SetText(IDC_SPLASH_SOUND_FILE, record.SoundFile);
    const int option = record.SoundOption == CSettingsSplash::kLoopWhileShown       ? IDC_SPLASH_LOOP
                       : record.SoundOption == CSettingsSplash::kPlayForSoundLength ? IDC_SPLASH_PLAY_FOR
                                                                                    : IDC_SPLASH_ONCE;
    {
        Filling filling(*this);
        CheckRadioButton(Handle(), IDC_SPLASH_LOOP, IDC_SPLASH_PLAY_FOR, option);
    }
    SetSeconds(IDC_SPLASH_SOUND_LENGTH, record.SoundLength);
}

bool CSplashForm::UpdateControls() {
    EnableItems({IDC_SPLASH_IMAGE_LABEL, IDC_SPLASH_IMAGE_FILE, IDC_SPLASH_IMAGE_BROWSE, IDC_SPLASH_LENGTH_LABEL,
                 IDC_SPLASH_LENGTH, IDC_SPLASH_LENGTH_SPIN, IDC_SPLASH_LENGTH_UNIT},
                Checked(IDC_SPLASH_IMAGE));
    EnableItems(
        {IDC_SPLASH_SOUND_LABEL, IDC_SPLASH_SOUND_FILE, IDC_SPLASH_SOUND_BROWSE, IDC_SPLASH_LOOP, IDC_SPLASH_ONCE,
         IDC_SPLASH_PLAY_FOR, IDC_SPLASH_SOUND_LENGTH, IDC_SPLASH_SOUND_SPIN, IDC_SPLASH_SOUND_UNIT},
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

void CSplashForm::Store(CSettingsSplash& record) {
    record.Image = Checked(IDC_SPLASH_IMAGE);
    record.ImageFile = Text(IDC_SPLASH_IMAGE_FILE);
    record.Length = Seconds(IDC_SPLASH_LENGTH);
    record.Sound = Checked(IDC_SPLASH_SOUND);
    record.SoundFile = Text(IDC_SPLASH_SOUND_FILE);
    record.SoundOption = Checked(IDC_SPLASH_LOOP)       ? CSettingsSplash::kLoopWhileShown
                         : Checked(IDC_SPLASH_PLAY_FOR) ? CSettingsSplash::kPlayForSoundLength
                                                        : CSettingsSplash::kPlayOnce;
    record.SoundLength = Seconds(IDC_SPLASH_SOUND_LENGTH);
}
