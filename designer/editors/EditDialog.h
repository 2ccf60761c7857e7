#pragma once
// "Text for Message": one text of several lines, edited; OK only while it
// holds more than blanks, and it answers the trimmed text.
#include <string>

#include "Dialog.h"

class CEditDialog : public wingui::CDialog {
public:
    explicit CEditDialog(std::string text);
    const std::string& Text() const { return text_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnOK() override;

private:
    std::string text_;
};
