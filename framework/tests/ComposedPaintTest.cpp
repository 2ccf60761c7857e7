// A window that draws chosen children with itself: each child is asked once
// to draw into the window's paint, bottom of the z-order first, and is left
// with nothing to paint for that area; a child's own later invalidation
// still reaches it, and children not chosen paint themselves as always.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComposedPaint.h"
#include "DeviceContexts.h"
#include "Handles.h"
#include "Window.h"

namespace {

constexpr char kParentClass[] = "FrameworkComposedParent";
constexpr char kChildClass[] = "FrameworkComposedChild";

std::vector<std::string>* journal = nullptr;

class CChild : public wingui::CWindow {
public:
    explicit CChild(std::string name) : name_(std::move(name)) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PRINTCLIENT) {
            // Draws at its own origin; the parent has placed the context there.
            RECT mark = {0, 0, 4, 4};
            wingui::Brush red(CreateSolidBrush(RGB(255, 0, 0)));
            FillRect(reinterpret_cast<HDC>(wParam), &mark, red.Get());
            journal->push_back("print " + name_);
            return 0;
        }
        if (message == WM_PAINT) {
            wingui::PaintScope paint(Handle());
            journal->push_back("paint " + name_);
            return 0;
        }
        return CWindow::WindowProc(message, wParam, lParam);
    }

private:
    std::string name_;
};

class CParent : public wingui::CWindow {
public:
    wingui::ComposedPaint composed;

protected:
    bool OnPaint() override {
        composed.Paint(Handle(), [](HDC dc, const RECT& client) {
            FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            journal->push_back("parent");
        });
        return true;
    }
};

class ComposedPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        journal = &seen;
        ASSERT_TRUE(wingui::RegisterWindowClass({kParentClass, 0}));
        ASSERT_TRUE(wingui::RegisterWindowClass({kChildClass, 0}));
        ASSERT_TRUE(parent.Create(kParentClass, "Composed", WS_POPUP | WS_VISIBLE, 0, {40, 40, 240, 140}, nullptr));
        // Created first, so on top of the z-order.
        ASSERT_TRUE(top.Create(kChildClass, "", WS_CHILD | WS_VISIBLE, 0, {10, 10, 60, 40}, parent.Handle(), 1));
        ASSERT_TRUE(bottom.Create(kChildClass, "", WS_CHILD | WS_VISIBLE, 0, {100, 10, 150, 40}, parent.Handle(), 2));
        ASSERT_TRUE(hidden.Create(kChildClass, "", WS_CHILD, 0, {10, 50, 60, 80}, parent.Handle(), 3));
        ASSERT_TRUE(own.Create(kChildClass, "", WS_CHILD | WS_VISIBLE, 0, {100, 50, 150, 80}, parent.Handle(), 4));
        parent.composed.SetChildren({top.Handle(), bottom.Handle(), hidden.Handle()});
        UpdateWindow(parent.Handle());
        PaintEverything();
        seen.clear();
    }
    void TearDown() override { journal = nullptr; }

    void PaintEverything() {
        for (HWND window : {parent.Handle(), top.Handle(), bottom.Handle(), own.Handle()}) UpdateWindow(window);
    }
    static bool HasPendingPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

    std::vector<std::string> seen;
    CParent parent;
    CChild top{"top"}, bottom{"bottom"}, hidden{"hidden"}, own{"own"};
};

TEST_F(ComposedPaintTest, ChildrenDrawIntoTheParentsPaintBottomFirstAndAreLeftNothingToPaint) {
    InvalidateRect(parent.Handle(), nullptr, TRUE);
    EXPECT_TRUE(HasPendingPaint(top.Handle()));
    UpdateWindow(parent.Handle());

    EXPECT_FALSE(HasPendingPaint(parent.Handle()));
    EXPECT_FALSE(HasPendingPaint(top.Handle()));
    EXPECT_FALSE(HasPendingPaint(bottom.Handle()));
    // The child that is not composed paints itself, as always.
    const std::vector<std::string> expected = {"parent", "print bottom", "print top", "paint own"};
    EXPECT_EQ(seen, expected);

    // What the children drew is where they are, in the window's pixels.
    wingui::WindowDc dc(parent.Handle());
    EXPECT_EQ(GetPixel(dc.Dc(), 11, 11), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.Dc(), 101, 11), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.Dc(), 20, 30), RGB(255, 255, 255));
}

TEST_F(ComposedPaintTest, AChildsOwnInvalidationStillReachesIt) {
    InvalidateRect(top.Handle(), nullptr, TRUE);
    EXPECT_FALSE(HasPendingPaint(parent.Handle()));
    PaintEverything();
    EXPECT_EQ(seen, std::vector<std::string>{"paint top"});
}

TEST_F(ComposedPaintTest, OnlyThePaintedAreaIsTakenFromAChild) {
    // The parent's part over the left half of the top child, and the whole
    // child invalidated by itself: the right half stays the child's to paint.
    RECT leftHalf = {10, 10, 35, 40};
    InvalidateRect(top.Handle(), nullptr, TRUE);
    InvalidateRect(parent.Handle(), &leftHalf, TRUE);
    // Only the parent paints.
    SendMessageA(parent.Handle(), WM_PAINT, 0, 0);
    RECT left = {};
    ASSERT_TRUE(GetUpdateRect(top.Handle(), &left, FALSE));
    EXPECT_EQ(left.left, 25);
    EXPECT_EQ(left.right, 50);
}

}  // namespace
