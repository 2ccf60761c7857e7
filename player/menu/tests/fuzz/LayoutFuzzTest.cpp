// The settings corpus and seeded mutations of it laid out as menus: any
// number a file holds must reach the layout arithmetic without a sanitizer
// report (overflow, out-of-range conversion) or a blow-up.
#include <gtest/gtest.h>

#include <random>

#include "FuzzInputs.h"
#include "LayoutFuzzTarget.h"

TEST(LayoutFuzz, CorpusMenusLayOutCleanly) {
    const auto corpus = SettingsCorpus();
    ASSERT_FALSE(corpus.empty());
    for (const auto& input : corpus) LayOutMenusFromBytes(input.data(), input.size());
}

TEST(LayoutFuzz, SeededMutationsLayOutCleanly) {
    const auto corpus = SettingsCorpus();
    std::mt19937 random(20261211);
    for (int round = 0; round < 300; ++round) {
        const auto input = MutatedSettings(corpus[random() % corpus.size()], random);
        LayOutMenusFromBytes(input.data(), input.size());
    }
}
