#pragma once
// The splash step: a picture shown for some seconds and a sound played
// once, in a loop or for some seconds (both 0 to 30).
#include "RecordForm.h"
#include "records/SettingsSplash.h"

class CSplashForm : public CRecordForm<CSettingsSplash> {
public:
    explicit CSplashForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsSplash& record) override;
    void Store(CSettingsSplash& record) override;
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void SetSeconds(int id, int seconds);
    int Seconds(int id);
    void Browse(int id, UINT titleId, UINT filterId);
};
