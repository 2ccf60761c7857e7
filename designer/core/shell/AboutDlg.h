#pragma once
// "About Menuwright": the product name large, the version and the picture.
#include "Dialog.h"
#include "Handles.h"

class CAboutDlg : public wingui::CDialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
    void OnDestroyed() override { productFont_.Reset(); }

private:
    wingui::Font productFont_;
};
