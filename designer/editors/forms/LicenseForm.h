#pragma once
// The license step: the agreement file, how often it shows, and the texts of
// its window when the author customises them.
#include <string>

#include "RecordForm.h"
#include "records/SettingsLicense.h"

class CLicenseForm : public CRecordForm<CSettingsLicense> {
public:
    explicit CLicenseForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsLicense& record) override;
    void Store(CSettingsLicense& record) override;
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;

private:
    void ShowLabel();

    // The label may hold line breaks, which its one-line box cannot show:
    // the form keeps the text itself and the box shows it.
    std::string label_;
};
