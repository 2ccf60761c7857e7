#include "FormFactory.h"

#include "StepFormStandIn.h"

std::unique_ptr<CSettingsForm> CreateFormFor(const CSettings* /*record*/, IDesignerHost& host) {
    return std::make_unique<CStepFormStandIn>(host);
}
