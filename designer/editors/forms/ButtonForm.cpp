#include "ButtonForm.h"

#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 420;

}  // namespace

CButtonDefinedForm::CButtonDefinedForm(IDesignerHost& host) : CRecordForm(IDD_BUTTON_FORM, host, kHelpTopic) {}

void CButtonDefinedForm::Fill(CSettingsButton& record) { SetChecked(IDC_BUTTON_CLOSE, record.WindowClose); }

void CButtonDefinedForm::Store(CSettingsButton& record) { record.WindowClose = Checked(IDC_BUTTON_CLOSE); }
