#include <gtest/gtest.h>

#include "DiscUsage.h"

namespace {

const std::string kUsedFree = "Used %s, Free %s";
const std::string kOverloaded = "Disc Overloaded: ";
constexpr std::uint64_t kMiB = 1024 * 1024;

TEST(DiscUsage, AProjectTooLargeForItsDiscIsOverloadedWhateverThePreset) {
    struct Case {
        std::uint64_t total;
        MediaPreset preset;
        bool overloaded;
        const char* text;
    };
    const Case cases[] = {
        {750 * kMiB, kPresetCd, true, "Disc Overloaded: Used 750.0 MB, Free 0 Bytes"},
        {750 * kMiB, kPresetDvd, false, "Used 750.0 MB, Free 3.6 GB"},
        {700 * kMiB, kPresetCd, false, "Used 700.0 MB, Free 0 Bytes"},
        // Summed in 64 bits: a 6 GB project is no 1.7 GB one, and no DVD holds it.
        {6ull * 1024 * kMiB, kPresetDvd, true, "Disc Overloaded: Used 6.0 GB, Free 0 Bytes"},
        {6ull * 1024 * kMiB, kPresetDualLayer, false, "Used 6.0 GB, Free 2.0 GB"},
        {9ull * 1024 * kMiB, kPresetDualLayer, true, "Disc Overloaded: Used 9.0 GB, Free 0 Bytes"},
    };
    for (const Case& c : cases) {
        const DiscUsage usage = UsageFor(c.total, c.preset, "Catalogue", kUsedFree, kOverloaded);
        EXPECT_EQ(usage.overloaded, c.overloaded) << c.text;
        EXPECT_EQ(usage.text, c.text);
        EXPECT_EQ(usage.burnEnabled, !c.overloaded) << c.text;
        EXPECT_EQ(usage.barPercent, c.overloaded ? 100 : int(c.total * 100 / PresetOf(c.preset).capacity));
    }
    EXPECT_FALSE(UsageFor(kMiB, kPresetCd, "", kUsedFree, kOverloaded).burnEnabled) << "a disc needs a label";
}

TEST(DiscUsage, WithoutAPresetOnlyTheTotalIsShownAndNothingIsBurned) {
    const DiscUsage usage = UsageFor(5 * kMiB, std::nullopt, "Catalogue", kUsedFree, kOverloaded);
    EXPECT_EQ(usage.text, "Used 5.0 MB, Free -");
    EXPECT_FALSE(usage.burnEnabled);
    EXPECT_EQ(usage.barPercent, 0);
}

TEST(DiscUsage, AWritersMediaTypesOfferTheirFamiliesInPresetOrder) {
    EXPECT_EQ(PresetsForMediaTypes({9, 2, 6}), (std::vector<MediaPreset>{kPresetCd, kPresetDvd}));
    EXPECT_EQ(PresetsForMediaTypes({13}), (std::vector<MediaPreset>{kPresetDualLayer}));
    EXPECT_TRUE(PresetsForMediaTypes({12, 18, 99}).empty());
    EXPECT_EQ(SupportedTypesText({2, 6, 99}), "CD-R, DVD+R, Unknown Media Type");
    EXPECT_STREQ(PresetOf(kPresetDvd).text, "4.7GB DVD Media");
    EXPECT_EQ(PresetOf(kPresetDualLayer).capacity, 8543666176ull);
}

}  // namespace
