#pragma once
// "Rename": one text box with the name. The caller may give another title
// and label; OK is offered only while the trimmed text is not empty and
// answers the trimmed text.
#include <string>

#include "Dialog.h"

class CRenameDialog : public wingui::CDialog {
public:
    explicit CRenameDialog(std::string name);

    void SetTitle(std::string title) { title_ = std::move(title); }
    void SetLabel(std::string label) { label_ = std::move(label); }
    // 0 hides the help button.
    void SetHelpContext(int context) { helpContext_ = context; }
    const std::string& Name() const { return name_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnOK() override;

private:
    void EnableOk();

    std::string name_;
    std::string title_;
    std::string label_;
    int helpContext_ = 430;
};
