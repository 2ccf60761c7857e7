#include <gtest/gtest.h>

#include "layout/StandardMenuLayout.h"

using namespace menulayout;

namespace {

StandardMenuInput DefaultMenu(int buttons, PixelSize picture, int layoutType = 1, bool showImage = false) {
    StandardMenuInput in;
    in.outer = {660, 495};
    in.client = {660, 495};
    in.closePicture = {11, 9};
    in.title = {200, 30};
    in.buttonCount = buttons;
    in.buttonPicture = picture;
    in.layoutType = layoutType;
    in.showImage = showImage;
    return in;
}

std::vector<int> RowsOf(const StandardMenuLayout& layout) {
    std::vector<int> rows;
    for (const PixelPoint& p : layout.buttons) rows.push_back(p.y);
    return rows;
}

}  // namespace

TEST(StandardMenuLayout, DefaultSizeGivesTheDesignNumbers) {
    StandardMenuInput in = DefaultMenu(1, {200, 40}, 1, true);
    in.hasLogo = true;
    in.logoPicture = {150, 65};
    const StandardMenuLayout layout = LayOutStandardMenu(in);
    EXPECT_EQ(layout.headerHeight, 104);
    EXPECT_EQ(layout.logo, (PixelRect{20, 20, 150, 65}));
    EXPECT_EQ(layout.buttons.front().x, 9);
    EXPECT_EQ(layout.image, (PixelRect{9 + 200 + 12, 111, 660 - 221 - 15, 495 - 111 - 13}));
    EXPECT_TRUE(layout.closeVisible);
    EXPECT_EQ(layout.close, (PixelPoint{646, 3}));
}

TEST(StandardMenuLayout, ButtonRowsShareTheFreeHeight) {
    struct Case { int buttons; PixelSize picture; std::vector<int> rows; };
    const Case cases[] = {
        {3, {200, 40}, {173, 275, 377}},  // gap (495 - 120 - 13 - 111) / 4 = 62
        {1, {200, 40}, {111 + 165}},     // gap (495 - 40 - 124) / 2 = 165
        {0, {200, 40}, {}},
        {14, {100, 20}, {121, 151, 181, 211, 241, 271, 301, 331, 361, 391, 421, 451}},  // first twelve, gap 131 / 13
        {2, {0, 0}, {111 + 123, 111 + 246}},  // first picture missing: size 0 x 0, gap 371 / 3
        {2, {100, 300}, {35, 259}},  // too tall: gap -229 / 3 = -76, truncated toward zero
    };
    for (const Case& c : cases) {
        const StandardMenuLayout layout = LayOutStandardMenu(DefaultMenu(c.buttons, c.picture));
        EXPECT_EQ(RowsOf(layout), c.rows) << c.buttons << " buttons of height " << c.picture.height;
    }
}

TEST(StandardMenuLayout, ButtonColumnAndImageByLayoutType) {
    struct Case { int layoutType; bool useImage; int buttonX; bool imageVisible; PixelRect image; };
    const Case cases[] = {
        {1, true, 9, true, {221, 111, 424, 371}},
        {3, true, 451, true, {15, 111, 424, 371}},
        {2, true, 230, false, {}},
        {2, false, 230, false, {}},
        {1, false, 9, false, {}},
        {7, true, 9, false, {}},  // no image column in an unknown layout
    };
    for (const Case& c : cases) {
        const StandardMenuLayout layout = LayOutStandardMenu(DefaultMenu(3, {200, 40}, c.layoutType, c.useImage));
        EXPECT_EQ(layout.buttons.front().x, c.buttonX) << c.layoutType;
        EXPECT_EQ(layout.imageVisible, c.imageVisible) << c.layoutType;
        if (c.imageVisible) {
            EXPECT_EQ(layout.image, c.image) << c.layoutType;
        }
    }
}

TEST(StandardMenuLayout, TitlesStartAfterTheLogoOrAreCentred) {
    struct Case { bool hasLogo; PixelSize logo; bool subtitle; int x; int titleY; int subY; bool centered; };
    const Case cases[] = {
        {false, {}, false, 20, (104 - 30) / 2, 0, true},
        {false, {}, true, 20, (104 - 30 - 20) / 2, (104 - 30 - 20) / 2 + 30, true},
        {true, {600, 100}, false, 150 + 30, 37, 0, false},  // logo drawn 150 x 25
        {true, {50, 65}, false, 50 + 30, 37, 0, false},
        {true, {0, 0}, true, 30, 27, 57, false},  // a logo that did not load has no width
    };
    for (const Case& c : cases) {
        StandardMenuInput in = DefaultMenu(0, {});
        in.hasLogo = c.hasLogo;
        in.logoPicture = c.logo;
        in.hasSubtitle = c.subtitle;
        in.subtitle = {120, 20};
        const StandardMenuLayout layout = LayOutStandardMenu(in);
        EXPECT_EQ(layout.title, (PixelRect{c.x, c.titleY, 620, 30})) << c.logo.width;
        EXPECT_EQ(layout.titlesCentered, c.centered);
        EXPECT_EQ(layout.subtitleVisible, c.subtitle);
        if (c.subtitle) {
            EXPECT_EQ(layout.subtitle, (PixelRect{c.x, c.subY, 620, 20}));
        }
    }
}

TEST(StandardMenuLayout, LogoPaintRectangleIsBestFitLeftAligned) {
    StandardMenuInput in = DefaultMenu(0, {});
    in.hasLogo = true;
    in.logoPicture = {600, 100};
    EXPECT_EQ(LayOutStandardMenu(in).logoPaint, (PixelRect{0, 20, 150, 25}));
    EXPECT_EQ(LayOutStandardMenu(in).logoWindow, (PixelRect{20, 20, 150, 65}));
    in.logoPicture = {50, 65};
    EXPECT_EQ(LayOutStandardMenu(in).logoPaint, (PixelRect{0, 0, 50, 65}));
    in.logoPicture = {40, 30};
    EXPECT_EQ(LayOutStandardMenu(in).logoPaint, (PixelRect{0, 17, 40, 30}));
    // The control ends where the picture does, before the titles begin.
    const StandardMenuLayout small = LayOutStandardMenu(in);
    EXPECT_EQ(small.logoWindow, (PixelRect{20, 20, 40, 65}));
    EXPECT_LT(small.logoWindow.x + small.logoWindow.width, small.title.x);
    in.logoPicture = {0, 0};
    EXPECT_EQ(LayOutStandardMenu(in).logoWindow.width, 0);
}

TEST(StandardMenuLayout, FramedWindowHasNoCloseButtonAndUsesBothSizes) {
    StandardMenuInput in = DefaultMenu(3, {200, 40}, 1, true);
    in.framed = true;
    in.outer = {666, 520};
    const StandardMenuLayout layout = LayOutStandardMenu(in);
    EXPECT_FALSE(layout.closeVisible);
    EXPECT_EQ(layout.headerHeight, 109);       // from the outer height
    EXPECT_EQ(layout.title.width, 626);        // outer width - 40
    EXPECT_EQ(RowsOf(layout), (std::vector<int>{173, 275, 377}));  // client height
}

TEST(StandardMenuLayout, SmallerMenuScalesTheDesign) {
    StandardMenuInput in = DefaultMenu(2, {100, 30}, 3, true);
    in.outer = in.client = {330, 250};
    in.hasLogo = true;
    in.logoPicture = {75, 30};
    const StandardMenuLayout layout = LayOutStandardMenu(in);
    EXPECT_EQ(layout.headerHeight, 52);
    EXPECT_EQ(layout.logo, (PixelRect{10, 10, 75, 32}));
    EXPECT_EQ(layout.buttons.front().x, 330 - 4 - 100);
    EXPECT_EQ(layout.image, (PixelRect{7, 56, 226 - 7 - 6, 250 - 56 - 6}));
}
