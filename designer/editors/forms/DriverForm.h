#pragma once
// The driver directories of the disc, in order: each change goes into the
// record at once.
#include "SettingsForm.h"
#include "controls/ListBox.h"

class CSettingsDriver;

class CDriverForm : public CSettingsForm {
public:
    explicit CDriverForm(IDesignerHost& host);
    bool LoadSettings(CSettings* record) override;
    bool SaveSettings() override;
    bool UpdateControls() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnButton(WORD id) override;

private:
    void Fill(int selected);
    void Add();
    void Edit();
    void Delete();
    void Move(bool up);
    void Changed(int selected);

    CSettingsDriver* driver_ = nullptr;
    wingui::CListBox list_;
};
