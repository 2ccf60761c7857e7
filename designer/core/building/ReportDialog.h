#pragma once
// "AutoRun Build Report": the summary of the problems found and the whole
// build log, in a window the author can make larger.
#include <string>

#include "Handles.h"
#include "ResizingDialog.h"

class CReportDialog : public wingui::CResizingDialog {
public:
    CReportDialog(std::string report, std::string summary);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    std::string report_;
    std::string summary_;
    wingui::Font bold_;
};
