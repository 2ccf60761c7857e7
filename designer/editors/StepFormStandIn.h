#pragma once
// Until each kind of step has its own form, every record shows this one: the
// banner with the record's name, so that selecting, adding and renaming steps
// can be seen. It edits nothing, so it has nothing to save.
#include "SettingsForm.h"

class CStepFormStandIn : public CSettingsForm {
public:
    explicit CStepFormStandIn(IDesignerHost& host);

    bool LoadSettings(CSettings* record) override;
    bool SaveSettings() override { return true; }

protected:
    BOOL OnInitDialog() override;
};
