#pragma once
// The menu step, standard or HTML: the window's name, and either the title,
// logo and image of the standard menu or the base file of the HTML menu.
// The author may turn one kind into the other; what the hidden kind holds
// stays as it was.
#include "RecordForm.h"
#include "records/SettingsHtml.h"

class CHtmlForm : public CRecordForm<CSettingsHtml> {
public:
    explicit CHtmlForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsHtml& record) override;
    void Store(CSettingsHtml& record) override;
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;

private:
    void ShowMenuType();
    void ShowStandardImage(const std::string& name);
    void Browse(int editId, UINT titleId, UINT filterId);

    int menuType_ = CSettingsHtml::kStandardMenu;
    // The standard image's stored name; the form shows only its base name.
    std::string standardImage_;
    RECT sizeButtonPlace_{};
};
