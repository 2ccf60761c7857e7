#pragma once
// The install step: the installer with its parameters, when it runs (the
// first time, always, or by the program a file type has), and the question
// that may come before it.
#include "RecordForm.h"
#include "records/SettingsInstall.h"

class CInstallForm : public CRecordForm<CSettingsInstall> {
public:
    explicit CInstallForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsInstall& record) override;
    void Store(CSettingsInstall& record) override;
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;

private:
    void ShowFileType(const std::string& extension);
};
