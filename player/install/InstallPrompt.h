#pragma once
// The question before an installer runs: the record's message with OK, and
// Skip when the record offers it. Result 1 installs; 2 (Skip, Escape or the
// close command) does not.
#include "Dialog.h"

class CSettingsInstall;

class CInstallPrompt : public wingui::CDialog {
public:
    explicit CInstallPrompt(const CSettingsInstall& install);

protected:
    BOOL OnInitDialog() override;

private:
    const CSettingsInstall& install_;
};
