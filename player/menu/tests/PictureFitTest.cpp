#include <gtest/gtest.h>

#include "layout/PictureFit.h"

using namespace menulayout;

TEST(PictureFit, FitModesOnTheDesignExamples) {
    const FitFlags fit = FitFlagsForImageStyle(2);
    const FitFlags fill = FitFlagsForImageStyle(3);
    const FitFlags best = FitFlagsForImageStyle(4);
    const FitFlags logo = LogoFitFlags();
    struct Case { PixelSize area; PixelSize picture; FitFlags flags; PixelRect drawn; };
    const Case cases[] = {
        {{300, 200}, {100, 50}, best, {100, 75, 100, 50}},
        {{300, 200}, {100, 50}, fit, {0, 25, 300, 150}},
        {{300, 200}, {100, 50}, fill, {0, 0, 300, 200}},
        {{300, 200}, {100, 200}, best, {100, 0, 100, 200}},  // same height: scaled, centred
        {{300, 200}, {600, 200}, best, {0, 50, 300, 100}},
        {{300, 200}, {300, 100}, best, {0, 50, 300, 100}},   // same width, smaller height: kept
        {{150, 65}, {600, 100}, logo, {0, 20, 150, 25}},
        {{150, 65}, {50, 65}, logo, {0, 0, 50, 65}},
        {{150, 65}, {40, 30}, logo, {0, 17, 40, 30}},
        {{150, 65}, {100, 130}, logo, {0, 0, 50, 65}},
        {{150, 65}, {100, 130}, best, {50, 0, 50, 65}},
        {{300, 200}, {30, 10}, FitFlagsForImageStyle(1), {0, 50, 300, 100}},  // any other style: stretch to fit
        {{424, 371}, {640, 480}, best, {0, 26, 424, 318}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitPicture(c.area.width, c.area.height, c.picture.width, c.picture.height, c.flags), c.drawn)
            << c.picture.width << "x" << c.picture.height << " in " << c.area.width << "x" << c.area.height;
    }
}

TEST(PictureFit, NothingToDrawWithoutSizes) {
    const FitFlags modes[] = {FitFlagsForImageStyle(2), FitFlagsForImageStyle(3), FitFlagsForImageStyle(4),
                              LogoFitFlags()};
    const PixelSize pairs[][2] = {
        {{300, 200}, {0, 50}}, {{300, 200}, {100, 0}}, {{300, 200}, {0, 0}},
        {{0, 200}, {100, 50}}, {{300, 0}, {100, 50}}, {{0, 0}, {0, 0}}, {{-5, 200}, {100, 50}},
    };
    for (const FitFlags& flags : modes) {
        for (const auto& pair : pairs) {
            const PixelRect drawn = FitPicture(pair[0].width, pair[0].height, pair[1].width, pair[1].height, flags);
            EXPECT_TRUE(drawn.Empty()) << pair[1].width << "x" << pair[1].height;
            EXPECT_EQ(drawn, PixelRect{});
        }
    }
}
