#pragma once
// The driver directories of the disc, in order: each change goes into the
// record at once.
#include "RecordForm.h"
#include "records/SettingsDriver.h"
#include "controls/ListBox.h"

class CDriverForm : public CRecordForm<CSettingsDriver> {
public:
    explicit CDriverForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsDriver& record) override;
    void Store(CSettingsDriver& record) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnButton(WORD id) override;

private:
    void ShowDirectories(int selected);
    void Add();
    void Edit();
    void Delete();
    void Move(bool up);
    void Changed(int selected);

    wingui::CListBox list_;
};
