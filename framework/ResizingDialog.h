#pragma once
// A dialog whose controls follow its size: each registered control keeps
// its distance to the right or bottom edge, or stretches with it; a size
// grip sits in the bottom-right corner.
#include <windows.h>

#include <vector>

#include "Dialog.h"

namespace wingui {

class CResizingDialog : public CDialog {
public:
    enum Anchor : int {
        kMoveRight = 1,
        kMoveDown = 2,
        kStretchWidth = 4,   // wins over kMoveRight
        kStretchHeight = 8,  // wins over kMoveDown
    };
    using CDialog::CDialog;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // Registers a control with its anchor flags; call from OnInitDialog.
    void AddAnchor(int id, int anchors);

private:
    struct Anchored {
        int id;
        int anchors;
    };
    void Follow(int width, int height);
    RECT GripArea() const;

    std::vector<Anchored> anchored_;
    SIZE client_{};
};

}  // namespace wingui
