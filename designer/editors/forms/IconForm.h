#pragma once
// The disc's icon: the player's own, or one from a file of the project (an
// icon file, or the icon at an index inside a program or library).
#include "RecordForm.h"
#include "records/SettingsIcon.h"

class CIconForm : public CRecordForm<CSettingsIcon> {
public:
    explicit CIconForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsIcon& record) override;
    void Store(CSettingsIcon& record) override;
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;

private:
};
