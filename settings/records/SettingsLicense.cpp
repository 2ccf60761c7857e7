#include "SettingsLicense.h"

bool CSettingsLicense::Load() {
    CSettings::Load();
    Read("Active", Active);
    Read("CustomizeText", CustomizeText);
    Read("Display", Display);
    Read("File", File);
    Read("WindowTitle", WindowTitle);
    Read("LabelText", LabelText);
    Read("RadioAccept", RadioAccept);
    Read("RadioReject", RadioReject);
    Read("NextButton", NextButton);
    Read("CancelButton", CancelButton);
    return true;
}

bool CSettingsLicense::Save() {
    CSettings::Save();
    Write("CustomizeText", CustomizeText);
    Write("Active", Active);
    Write("Display", Display);
    Write("File", File);
    Write("WindowTitle", WindowTitle);
    Write("LabelText", LabelText);
    Write("RadioAccept", RadioAccept);
    Write("RadioReject", RadioReject);
    Write("NextButton", NextButton);
    Write("CancelButton", CancelButton);
    return true;
}
