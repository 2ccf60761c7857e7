#pragma once
// The small window that says the designer is busy (building, testing): a
// turning disc, a text and, when the caller wants one, Cancel. It is
// modeless; the caller keeps pumping messages and looks at Cancelled().
#include <windows.h>

#include "Dialog.h"
#include "PictureEx.h"

class CWaitDialog : public wingui::CDialog {
public:
    // secondTextId 0 for none.
    CWaitDialog(UINT titleId, UINT textId, UINT secondTextId, bool showCancel);
    bool Cancelled() const { return cancelled_; }
    const CPictureEx& Animation() const { return animation_; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;

private:
    void PlaceShortText();

    UINT titleId_;
    UINT textId_;
    UINT secondTextId_;
    bool showCancel_;
    bool cancelled_ = false;
    // The menus' own picture control plays the animation.
    CPictureEx animation_;
};
