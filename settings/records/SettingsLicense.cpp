#include "SettingsLicense.h"

bool CSettingsLicense::Load() {
    CSettings::Load();
    Read("Active", Active);
    Read("CustomizeText", CustomizeText);
    Read("Display", Display);
    Read("File", File);
    Read("WindowTitle", WindowTitle);
    // The designer edits the label in a text of several lines: its line
    // breaks are kept in the multi-line encoding, or the file would cut it.
    ReadTextKey("LabelText", LabelText);
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
    WriteTextKey("LabelText", LabelText);
    Write("RadioAccept", RadioAccept);
    Write("RadioReject", RadioReject);
    Write("NextButton", NextButton);
    Write("CancelButton", CancelButton);
    return true;
}
