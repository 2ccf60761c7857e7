// The fuzz corpus as a regression test, plus seeded mutations of it: the
// loader must survive any bytes without a sanitizer report, hang or blow-up.
#include <gtest/gtest.h>

#include <random>

#include "FuzzInputs.h"
#include "SettingsFuzzTarget.h"

TEST(SettingsFuzz, CorpusLoadsCleanly) {
    auto corpus = SettingsCorpus();
    ASSERT_FALSE(corpus.empty());
    for (const auto& input : corpus) LoadSettingsFromBytes(input.data(), input.size());
}

TEST(SettingsFuzz, SeededMutationsLoadCleanly) {
    auto corpus = SettingsCorpus();
    std::mt19937 random(20261210);
    for (int round = 0; round < 300; ++round) {
        auto input = MutatedSettings(corpus[random() % corpus.size()], random);
        LoadSettingsFromBytes(input.data(), input.size());
    }
}
