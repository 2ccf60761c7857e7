#pragma once
// The login step: a user name and password asked once or every time.
#include "RecordForm.h"
#include "records/SettingsSecurity.h"

class CSecurityForm : public CRecordForm<CSettingsSecurity> {
public:
    explicit CSecurityForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsSecurity& record) override;
    void Store(CSettingsSecurity& record) override;
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;

private:
};
