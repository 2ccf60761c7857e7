#include <gtest/gtest.h>

#include <climits>

#include "layout/MenuPlacement.h"

using namespace menulayout;

TEST(MenuPlacement, PresetsAndOffsetsOnTheWorkArea) {
    struct Case { PixelRect work; PlacementRequest request; PixelRect placed; };
    const PixelRect work{0, 0, 1024, 738};
    const Case cases[] = {
        {work, {660, 495, 1, 1, 50, 50}, {182, 121, 660, 495}},
        {work, {660, 495, 1, 2, 50, 50}, {182, 0, 660, 495}},
        {work, {660, 495, 1, 3, 50, 50}, {182, 243, 660, 495}},
        {work, {660, 495, 1, 4, 50, 50}, {0, 121, 660, 495}},
        {work, {660, 495, 1, 5, 50, 50}, {364, 121, 660, 495}},
        {work, {660, 495, 1, 6, 50, 50}, {1, 1, 660, 495}},
        {work, {660, 495, 1, 7, 50, 50}, {364, 0, 660, 495}},
        {work, {660, 495, 1, 8, 50, 50}, {0, 243, 660, 495}},
        {work, {660, 495, 1, 9, 50, 50}, {364, 243, 660, 495}},
        {work, {660, 495, 1, 0, 50, 50}, {182, 121, 660, 495}},
        {work, {660, 495, 1, 42, 50, 50}, {182, 121, 660, 495}},
        {work, {660, 495, 2, 1, 0, 100}, {0, 243, 660, 495}},
        {work, {660, 495, 2, 1, 33, 33}, {120, 80, 660, 495}},
        // The work area's corner is added; a taskbar on the left or top moves it.
        {{40, 30, 1024, 738}, {660, 495, 1, 1, 50, 50}, {222, 151, 660, 495}},
        {{40, 30, 1024, 738}, {660, 495, 1, 6, 50, 50}, {41, 31, 660, 495}},
        // Oversize menus shrink to the work area; every centred preset starts at its left edge.
        {{0, 0, 1280, 1024}, {3000, 495, 1, 1, 50, 50}, {0, 264, 1280, 495}},
        {{0, 0, 1280, 1024}, {3000, 495, 1, 2, 50, 50}, {0, 0, 1280, 495}},
        {{0, 0, 1280, 1024}, {3000, 495, 1, 3, 50, 50}, {0, 529, 1280, 495}},
        {{0, 0, 1280, 1024}, {3000, 4000, 1, 9, 50, 50}, {0, 0, 1280, 1024}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceMenuWindow(c.work, c.request), c.placed)
            << "preset " << c.request.presetLocation << " type " << c.request.locationType << " width "
            << c.request.width;
    }
}

TEST(MenuPlacement, FrameIsSharedAroundTheRequestedPlace) {
    EXPECT_EQ(CenterFrameAround({182, 121, 660, 495}, 666, 520), (PixelRect{179, 109, 666, 520}));
    EXPECT_EQ(CenterFrameAround({1, 1, 660, 495}, 667, 521), (PixelRect{-2, -12, 667, 521}));
}

// A settings file may hold any 32-bit number: the window stays on the work
// area and no arithmetic overflows (the sanitizers check the conversions).
TEST(MenuPlacement, ExtremeNumbersKeepTheWindowOnTheWorkArea) {
    struct Case { PlacementRequest request; PixelRect placed; };
    const PixelRect work{0, 0, 1024, 738};
    const Case cases[] = {
        {{INT_MIN, 495, 1, 1, 50, 50}, {512, 121, 0, 495}},
        {{660, INT_MIN, 1, 9, 50, 50}, {364, 738, 660, 0}},
        {{INT_MAX, INT_MAX, 1, 1, 50, 50}, {0, 0, 1024, 738}},
        {{660, 495, 2, 1, INT_MAX, INT_MAX}, {364, 243, 660, 495}},
        {{660, 495, 2, 1, INT_MIN, -5}, {0, 0, 660, 495}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceMenuWindow(work, c.request), c.placed) << c.request.width;
}

TEST(MenuPlacement, TruncationStopsAtTheEndsOfInt) {
    EXPECT_EQ(Truncate(1e300), INT_MAX);
    EXPECT_EQ(Truncate(-1e300), INT_MIN);
    EXPECT_EQ(Truncate(0.0 / 0.0), 0);
    EXPECT_EQ(Truncate(-2.9), -2);
    EXPECT_EQ(FontTenths(INT_MAX), kMaxFontPoints * 10);
    EXPECT_EQ(FontTenths(-3), 0);
    EXPECT_EQ(FontTenths(12), 120);
}
