#pragma once
// The small window that says the designer is busy (building, testing): a
// turning disc, a text and, when the caller wants one, Cancel. It is
// modeless; the caller keeps pumping messages and looks at Cancelled().
#include <windows.h>

#include <vector>

#include "Dialog.h"
#include "Handles.h"

class CWaitDialog : public wingui::CDialog {
public:
    // secondTextId 0 for none.
    CWaitDialog(UINT titleId, UINT textId, UINT secondTextId, bool showCancel);
    bool Cancelled() const { return cancelled_; }
    int FrameCount() const { return int(frames_.size()); }
    int ShownFrame() const { return frame_; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void LoadAnimation();
    void NextFrame();
    void DrawFrame(const DRAWITEMSTRUCT& item) const;

    UINT titleId_;
    UINT textId_;
    UINT secondTextId_;
    bool showCancel_;
    bool cancelled_ = false;
    std::vector<wingui::Bitmap> frames_;
    std::vector<int> delays_;
    SIZE frameSize_{};
    int frame_ = 0;
};
