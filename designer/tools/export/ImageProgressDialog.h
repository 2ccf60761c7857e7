#pragma once
// The progress of a disc image being saved, with Cancel. The writer calls
// Advance between its pieces; the window's messages are handled there.
#include <cstdint>

#include "Dialog.h"

class CImageProgressDialog : public wingui::CDialog {
public:
    CImageProgressDialog();
    // False once the author pressed Cancel.
    bool Advance(std::uint64_t done, std::uint64_t total);
    bool Cancelled() const { return cancelled_; }

protected:
    void OnCancel() override { cancelled_ = true; }

private:
    bool cancelled_ = false;
};
