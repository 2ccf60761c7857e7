#include "StepFormStandIn.h"

#include "../resource.h"

CStepFormStandIn::CStepFormStandIn(IDesignerHost& host) : CSettingsForm(IDD_STEP_FORM, host) {}

BOOL CStepFormStandIn::OnInitDialog() {
    CSettingsForm::OnInitDialog();
    UpdateTitle();
    return TRUE;
}

bool CStepFormStandIn::LoadSettings(CSettings* /*record*/) {
    UpdateTitle();
    return true;
}
