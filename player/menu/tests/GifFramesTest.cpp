#include <gtest/gtest.h>

#include "GifCorpus.h"
#include "gif/GifFrames.h"

using namespace gif;

namespace {

GifFrames Split(const GifBytes& bytes, bool expectOk = true) {
    GifFrames frames;
    EXPECT_EQ(SplitGif(bytes.data(), bytes.size(), frames), expectOk);
    return frames;
}

// A frame's own GIF must hold exactly that frame, at 0, 0, on a screen of its size.
void ExpectStandAlone(const GifFrame& frame) {
    GifFrames inner;
    ASSERT_TRUE(SplitGif(frame.data.data(), frame.data.size(), inner));
    ASSERT_EQ(inner.frames.size(), 1u);
    EXPECT_EQ(inner.width, frame.width);
    EXPECT_EQ(inner.height, frame.height);
    EXPECT_EQ(inner.frames[0].left, 0);
    EXPECT_EQ(inner.frames[0].top, 0);
    EXPECT_EQ(inner.frames[0].width, frame.width);
    EXPECT_EQ(inner.frames[0].delay, frame.delay);
    EXPECT_EQ(inner.frames[0].disposal, frame.disposal);
    EXPECT_EQ(frame.data.back(), 0x3B);
}

// Builds a GIF from parts: header, screen, optional global table, blocks.
GifBytes MakeGif(int width, int height, const GifBytes& blocks, bool globalTable = true) {
    GifBytes out = {'G', 'I', 'F', '8', '9', 'a', std::uint8_t(width), std::uint8_t(width >> 8),
                    std::uint8_t(height), std::uint8_t(height >> 8), std::uint8_t(globalTable ? 0x80 : 0), 0, 0};
    if (globalTable) out.insert(out.end(), {0, 0, 0, 255, 255, 255});
    out.insert(out.end(), blocks.begin(), blocks.end());
    return out;
}

GifBytes Image(int left, int top, int width, int height) {
    return {0x2C, std::uint8_t(left), 0, std::uint8_t(top), 0, std::uint8_t(width), 0, std::uint8_t(height), 0, 0,
            2, 2, 0x4C, 0x01, 0};
}

GifBytes Control(int delay, int disposal) {
    return {0x21, 0xF9, 4, std::uint8_t(disposal << 2), std::uint8_t(delay), std::uint8_t(delay >> 8), 0, 0};
}

GifBytes Join(std::initializer_list<GifBytes> parts) {
    GifBytes out;
    for (const GifBytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

}  // namespace

TEST(GifFrames, FixturesSplitIntoStandAloneFrames) {
    struct Expected { int left, top, width, height, delay, disposal; };
    struct Case { const char* file; int width, height; std::vector<Expected> frames; };
    const Case cases[] = {
        {"three-frames.gif", 16, 12, {{0, 0, 16, 12, 0, 0}, {0, 0, 16, 12, 0, 0}, {0, 0, 16, 12, 0, 0}}},
        {"single.gif", 20, 10, {{0, 0, 20, 10, 0, 0}}},
        {"plain-87a.gif", 12, 12, {{0, 0, 12, 12, 0, 0}}},
        {"offsets-dispose-background.gif", 24, 24, {{0, 0, 24, 24, 20, 2}, {4, 4, 8, 8, 20, 2}, {12, 12, 8, 8, 20, 2}}},
        {"dispose-previous-local-tables.gif", 24, 24, {{0, 0, 24, 24, 7, 3}, {2, 6, 10, 5, 7, 3}, {0, 0, 3, 3, 7, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const GifFrames split = Split(ReadGifFixture(c.file));
        EXPECT_EQ(split.width, c.width);
        EXPECT_EQ(split.height, c.height);
        ASSERT_EQ(split.frames.size(), c.frames.size());
        for (size_t i = 0; i < c.frames.size(); ++i) {
            const GifFrame& f = split.frames[i];
            const Expected& e = c.frames[i];
            EXPECT_EQ((std::vector<int>{f.left, f.top, f.width, f.height, f.delay, f.disposal}),
                      (std::vector<int>{e.left, e.top, e.width, e.height, e.delay, e.disposal}))
                << "frame " << i;
            ExpectStandAlone(f);
        }
    }
}

TEST(GifFrames, FrameDurations) {
    EXPECT_EQ(FrameDurationMs(0), 100u);
    EXPECT_EQ(FrameDurationMs(4), 100u);
    EXPECT_EQ(FrameDurationMs(5), 50u);
    EXPECT_EQ(FrameDurationMs(65535), 655350u);
}

TEST(GifFrames, BrokenHeadersFail) {
    const GifBytes good = MakeGif(2, 2, Join({Image(0, 0, 2, 2), {0x3B}}));
    GifBytes badVersion = good;
    badVersion[4] = '8';
    GifBytes hugeTable = good;
    hugeTable[10] = 0x87;  // 768-byte table that the file does not have
    const GifBytes cases[] = {{}, {'G', 'I', 'F'}, {'G', 'I', 'F', '8', '9', 'a', 1, 0}, badVersion, hugeTable,
                              MakeGif(2, 2, {0x3B}), MakeGif(2, 2, {})};
    for (const GifBytes& bytes : cases) Split(bytes, false);
    Split(good, true);
}

TEST(GifFrames, EveryTruncationFailsOrKeepsOnlyCompleteFrames) {
    for (const std::string& name : GifCorpusNames()) {
        const GifBytes whole = ReadGifFixture(name);
        GifFrames full;
        const bool fullOk = SplitGif(whole.data(), whole.size(), full);
        for (size_t length = 0; length < whole.size(); ++length) {
            // A copy of exactly that length, so the sanitizer sees any read past it.
            const GifBytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(length));
            GifFrames part;
            if (!SplitGif(cut.data(), cut.size(), part)) continue;
            ASSERT_TRUE(fullOk) << name;
            ASSERT_LE(part.frames.size(), full.frames.size()) << name << " cut at " << length;
            for (size_t i = 0; i < part.frames.size(); ++i) {
                EXPECT_EQ(part.frames[i].data, full.frames[i].data) << name << " cut at " << length;
            }
        }
    }
}

TEST(GifFrames, LyingLengthsStopTheSplit) {
    // A sub-block that claims more bytes than there are, after one good frame.
    const GifBytes lying = MakeGif(4, 4, Join({Image(0, 0, 2, 2), {0x21, 0xFE, 0xFF, 'x'}}));
    const GifFrames split = Split(lying);
    EXPECT_EQ(split.frames.size(), 1u);
    // An image whose data claims too much is no frame at all.
    GifBytes image = Image(0, 0, 2, 2);
    image[11] = 0xFF;
    Split(MakeGif(4, 4, image), false);
    // A local table larger than the rest of the file.
    GifBytes local = Image(0, 0, 2, 2);
    local[9] = 0x87;
    Split(MakeGif(4, 4, local), false);
}

TEST(GifFrames, EmptyFramesAreSkippedAndCountIsBounded) {
    GifBytes blocks = Join({Image(0, 0, 0, 5), Control(3, 1), Image(1, 1, 2, 2)});
    const GifFrames split = Split(MakeGif(4, 4, blocks));
    ASSERT_EQ(split.frames.size(), 1u);
    EXPECT_EQ(split.frames[0].delay, 3);
    EXPECT_EQ(split.frames[0].disposal, 1);

    GifBytes many;
    for (int i = 0; i < 3000; ++i) many = Join({many, Image(0, 0, 1, 1)});
    EXPECT_EQ(Split(MakeGif(1, 1, many)).frames.size(), kMaxGifFrames);
}

TEST(GifFrames, MissingScreenSizeTakesTheFramesExtent) {
    const GifFrames split = Split(MakeGif(0, 0, Join({Image(0, 0, 2, 2), Image(3, 1, 4, 5), {0x3B}})));
    EXPECT_EQ(split.width, 7);
    EXPECT_EQ(split.height, 6);
}

TEST(GifFrames, ControlExtensionBelongsToTheNextImageOnly) {
    const GifFrames split =
        Split(MakeGif(4, 4, Join({Control(50, 2), Image(0, 0, 2, 2), Image(0, 0, 2, 2), {0x3B}}), false));
    ASSERT_EQ(split.frames.size(), 2u);
    EXPECT_EQ(split.frames[0].delay, 50);
    EXPECT_EQ(split.frames[0].disposal, 2);
    EXPECT_EQ(split.frames[1].delay, 0);
    EXPECT_EQ(split.frames[1].disposal, 0);
    ExpectStandAlone(split.frames[0]);
    ExpectStandAlone(split.frames[1]);
}
