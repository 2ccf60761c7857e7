// Seeded mutation of the GIF fixtures: the splitter must never read outside
// its data (the sanitizers watch) and every frame it returns must be a GIF
// that splits again into exactly itself.
#include <gtest/gtest.h>

#include <random>

#include "GifCorpus.h"
#include "gif/GifFrames.h"

namespace {

#ifdef _WIN32
constexpr int kIterations = 4000;  // each start under Wine costs enough already
#else
constexpr int kIterations = 40000;
#endif

GifBytes Mutate(GifBytes bytes, std::mt19937& random) {
    const int edits = 1 + int(random() % 6);
    for (int e = 0; e < edits; ++e) {
        const size_t size = bytes.size();
        switch (random() % 6) {
            case 0:  // flip a bit
                if (size) bytes[random() % size] ^= std::uint8_t(1u << (random() % 8));
                break;
            case 1:  // a length byte that lies
                if (size) bytes[random() % size] = std::uint8_t(random() % 2 ? 0xFF : 0x00);
                break;
            case 2:  // cut the end
                if (size) bytes.resize(random() % size);
                break;
            case 3:  // insert bytes
                bytes.insert(bytes.begin() + std::ptrdiff_t(size ? random() % size : 0), 1 + random() % 8,
                             std::uint8_t(random()));
                break;
            case 4:  // remove bytes
                if (size > 1) {
                    const size_t at = random() % size;
                    bytes.erase(bytes.begin() + std::ptrdiff_t(at),
                                bytes.begin() + std::ptrdiff_t(std::min(size, at + 1 + random() % 16)));
                }
                break;
            default:  // a block introducer somewhere
                if (size) bytes[random() % size] = std::uint8_t(random() % 2 ? 0x21 : 0x2C);
                break;
        }
    }
    return bytes;
}

void CheckInvariants(const GifBytes& input) {
    gif::GifFrames split;
    if (!gif::SplitGif(input.data(), input.size(), split)) {
        EXPECT_TRUE(split.frames.empty());
        return;
    }
    ASSERT_FALSE(split.frames.empty());
    ASSERT_LE(split.frames.size(), gif::kMaxGifFrames);
    for (const gif::GifFrame& frame : split.frames) {
        ASSERT_GT(frame.width, 0);
        ASSERT_GT(frame.height, 0);
        ASSERT_LE(frame.data.size(), input.size() + 1 + 8 + 13);
        gif::GifFrames again;
        ASSERT_TRUE(gif::SplitGif(frame.data.data(), frame.data.size(), again));
        ASSERT_EQ(again.frames.size(), 1u);
        ASSERT_EQ(again.frames[0].data, frame.data);
    }
}

}  // namespace

TEST(GifFuzz, CorpusFilesKeepTheInvariants) {
    for (const std::string& name : GifCorpusNames()) {
        SCOPED_TRACE(name);
        CheckInvariants(ReadGifFixture(name));
    }
}

TEST(GifFuzz, SeededMutationsKeepTheInvariants) {
    std::vector<GifBytes> seeds;
    for (const std::string& name : GifCorpusNames()) seeds.push_back(ReadGifFixture(name));
    ASSERT_FALSE(seeds.empty());
    std::mt19937 random(20261210);
    for (int i = 0; i < kIterations; ++i) {
        const GifBytes input = Mutate(seeds[size_t(i) % seeds.size()], random);
        CheckInvariants(input);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "iteration " << i;
            return;
        }
    }
}
