#include <gtest/gtest.h>

#include "layout/BackgroundFill.h"
#include "layout/TextBlockSize.h"

using namespace menulayout;

namespace {
const RgbColor kBlack = MakeRgb(0, 0, 0);
const RgbColor kWhite = MakeRgb(255, 255, 255);
}  // namespace

TEST(BackgroundFill, GradientPiecesByType) {
    struct Case { int type; bool horizontal; std::vector<GradientPiece> pieces; };
    const Case cases[] = {
        {1, true, {{0, 0, kBlack, 330, 495, kWhite}, {330, 0, kWhite, 660, 495, kBlack}}},
        {2, true, {{0, 0, kBlack, 660, 495, kWhite}}},
        {5, false, {{0, 0, kBlack, 660, 247, kWhite}, {0, 247, kWhite, 660, 495, kBlack}}},
        {6, false, {{0, 0, kBlack, 660, 495, kWhite}}},
        {0, false, {{0, 0, kBlack, 660, 495, kWhite}}},
    };
    for (const Case& c : cases) {
        const GradientFill fill = GradientFor(c.type, 660, 495, kBlack, kWhite);
        EXPECT_EQ(fill.horizontal, c.horizontal) << c.type;
        EXPECT_EQ(fill.pieces, c.pieces) << c.type;
    }
    EXPECT_EQ(GradientChannel(255), 0xFF00);
    EXPECT_EQ(GradientChannel(1), 0x0100);
}

TEST(BackgroundFill, TilesCoverTheClientArea) {
    const std::vector<PixelPoint> tiles = TilePositions(250, 130, 100, 64);
    const std::vector<PixelPoint> expected = {{0, 0},  {100, 0},  {200, 0},  {0, 64}, {100, 64},
                                              {200, 64}, {0, 128}, {100, 128}, {200, 128}};
    EXPECT_EQ(tiles, expected);
    EXPECT_TRUE(TilePositions(250, 130, 0, 64).empty());
    EXPECT_TRUE(TilePositions(250, 130, 10, 0).empty());
}

TEST(BackgroundFill, CentredPictureStaysAtZeroWhenNotSmaller) {
    EXPECT_EQ(CenteredPosition(660, 495, 100, 50), (PixelPoint{280, 222}));
    EXPECT_EQ(CenteredPosition(660, 495, 660, 50), (PixelPoint{0, 222}));
    EXPECT_EQ(CenteredPosition(660, 495, 800, 600), (PixelPoint{0, 0}));
}

TEST(TextBlockSize, WidestLineBySumOfHeights) {
    auto measure = [](std::string_view line) { return PixelSize{int(line.size()) * 7, 16}; };
    EXPECT_EQ(SizeOfTextBlock("Welcome", measure), (PixelSize{49, 16}));
    EXPECT_EQ(SizeOfTextBlock("Short\nMuch longer", measure), (PixelSize{77, 32}));
    EXPECT_EQ(SizeOfTextBlock("Much longer\nShort\n", measure), (PixelSize{77, 48}));
    EXPECT_EQ(SizeOfTextBlock("", measure), (PixelSize{0, 16}));
}
