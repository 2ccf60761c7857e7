#pragma once
// The project's own values: the label the disc shows in Windows and its
// AutoPlay description.
#include "SettingsForm.h"

class CDiscSettings;

class CGeneralForm : public CSettingsForm {
public:
    explicit CGeneralForm(IDesignerHost& host);
    // The General form binds to the project, not to a record.
    bool LoadSettings(CSettings* record) override;
    bool SaveSettings() override;

protected:
    BOOL OnInitDialog() override;

private:
    CDiscSettings* project_ = nullptr;
};
