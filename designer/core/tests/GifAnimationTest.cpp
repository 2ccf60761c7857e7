#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "GifAnimation.h"

namespace {

std::vector<std::uint8_t> WaitAnimation() {
    std::ifstream file(std::string(MENUWRIGHT_DESIGNER_SOURCE) + "/res/Wait.gif", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Pixel(const GifAnimation& animation, int frame, int x, int y) {
    return animation.frames[std::size_t(frame)].pixels[std::size_t(y * animation.width + x)];
}

TEST(GifAnimation, TheWaitAnimationTurnsItsSectorOnceInTwelveFrames) {
    const GifAnimation animation = DecodeGif(WaitAnimation());
    ASSERT_EQ(animation.width, 48);
    ASSERT_EQ(animation.height, 48);
    ASSERT_EQ(animation.frames.size(), 12u);
    EXPECT_EQ(animation.frames[0].delayMs, 80);
    const std::uint32_t violet = 0xFF684CB2;
    const std::uint32_t orange = 0xFFEC9234;
    EXPECT_EQ(Pixel(animation, 0, 0, 0), 0u) << "transparent around the disc";
    EXPECT_EQ(Pixel(animation, 0, 24, 24), 0u) << "and in its hole";
    // Right of the centre the sector starts; a quarter turn later it has moved on.
    EXPECT_EQ(Pixel(animation, 0, 38, 26), orange);
    EXPECT_EQ(Pixel(animation, 3, 38, 26), violet);
    EXPECT_EQ(Pixel(animation, 3, 22, 38), orange);
}

TEST(GifAnimation, DamagedDataGivesNoFramesAndIsNeverReadPastItsEnd) {
    const std::vector<std::uint8_t> whole = WaitAnimation();
    ASSERT_GT(whole.size(), 100u);
    for (std::size_t length : {std::size_t(0), std::size_t(6), std::size_t(13), std::size_t(40), whole.size() / 2}) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(length));
        const GifAnimation animation = DecodeGif(cut);
        EXPECT_LT(animation.frames.size(), 12u) << length;
    }
    std::vector<std::uint8_t> wrongCodes = whole;
    for (std::size_t i = 900; i < 1400; ++i) wrongCodes[i] = 0xFF;
    const GifAnimation damaged = DecodeGif(wrongCodes);
    for (const GifFrame& frame : damaged.frames) EXPECT_EQ(frame.pixels.size(), 48u * 48u);
    const std::uint8_t notGif[] = "PNG not a gif at all";
    EXPECT_TRUE(DecodeGif(notGif).frames.empty());
}

}  // namespace
