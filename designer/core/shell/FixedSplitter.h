#pragma once
// A splitter whose bars cannot be dragged: a grid of panes (one row of
// columns, or one column of rows) of which the first keeps its given size
// and the last takes the rest. The bars are plain button-face strips.
#include <windows.h>

#include <vector>

#include "Window.h"

class CFixedSplitter : public wingui::CWindow {
public:
    enum class Direction { kRows, kColumns };

    static bool RegisterClass();
    bool Create(HWND parent, Direction direction, int firstSize, const RECT& rect, UINT id);

    // The pane's window (a child of the splitter) at the index.
    void SetPane(int index, HWND pane);
    HWND Pane(int index) const;
    void SetFirstSize(int size);
    void LayOut();

    static constexpr int kBarWidth = 4;

protected:
    bool OnPaint() override;
    bool OnSize(UINT type, int width, int height) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    Direction direction_ = Direction::kRows;
    int firstSize_ = 0;
    HWND panes_[2] = {nullptr, nullptr};
};
