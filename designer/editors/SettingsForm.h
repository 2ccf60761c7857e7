#pragma once
// The right-hand pane: one form bound to one record (or, for the General
// form, to the project). The main frame asks it to save before it is left;
// the form tells the main frame about every edit.
#include <windows.h>

#include <string>

#include "DesignerHost.h"
#include "Dialog.h"
#include "Handles.h"

class CSettings;

class CSettingsForm : public wingui::CDialog {
public:
    CSettingsForm(UINT templateId, IDesignerHost& host) : CDialog(templateId), host_(host) {}

    // Binds the form to the record and fills its controls.
    virtual bool LoadSettings(CSettings* /*record*/) { return false; }
    // The banner shows the current record's display name.
    virtual void UpdateTitle();
    // Copies the controls into the bound record and saves it.
    virtual bool SaveSettings() { return false; }
    virtual bool UpdateControls() { return false; }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    IDesignerHost& Host() { return host_; }
    void SetBanner(const std::string& text);

private:
    IDesignerHost& host_;
    wingui::Font bannerFont_;
};
