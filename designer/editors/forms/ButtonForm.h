#pragma once
// A button of a menu: whether pressing it closes the menu. What it does are
// the actions below it in the tree.
#include "RecordForm.h"
#include "records/SettingsButton.h"

class CButtonDefinedForm : public CRecordForm<CSettingsButton> {
public:
    explicit CButtonDefinedForm(IDesignerHost& host);

protected:
    void Fill(CSettingsButton& record) override;
    void Store(CSettingsButton& record) override;
};
