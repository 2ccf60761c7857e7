#pragma once
// The license agreement step.
#include "../Settings.h"

class CSettingsLicense : public CSettingsOf<CSettingsLicense> {
public:
    CSettingsLicense() : CSettingsOf(kSettingLicense, "License") {}
    bool Load() override;
    bool Save() override;

    enum Displays : std::int32_t { kFirstTimeOnly = 1, kEveryTime = 2 };

    bool CustomizeText = false;
    bool Active = false;
    std::int32_t Display = kFirstTimeOnly;
    std::string File;
    std::string WindowTitle = "License Agreement";
    std::string LabelText =
        "Please read the following license agreement carefully. Use the scroll bar to view the entire agreement.";
    std::string RadioAccept = "I accept the terms in the license agreement.";
    std::string RadioReject = "I do not accept the terms in the license agreement.";
    std::string NextButton = "&Next >>";
    std::string CancelButton = "&Cancel";
};
