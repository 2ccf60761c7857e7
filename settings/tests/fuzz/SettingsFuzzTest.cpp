// The fuzz corpus as a regression test, plus seeded mutations of it: the
// loader must survive any bytes without a sanitizer report, hang or blow-up.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "SettingsFuzzTarget.h"

namespace {

std::vector<std::vector<std::uint8_t>> Corpus() {
    std::vector<std::vector<std::uint8_t>> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(MENUWRIGHT_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return inputs;
}

std::vector<std::uint8_t> Mutated(std::vector<std::uint8_t> input, std::mt19937& random) {
    static const char* const kTokens[] = {"[", "]", "=", "\r\n", "\n", "SettingsCount=", "SettingType=6",
                                          "SettingType=9", "-2147483648", "2000000000", ".1", "|Q^3|", "\"", "\x1a"};
    const int edits = 1 + int(random() % 8);
    for (int i = 0; i < edits; ++i) {
        size_t at = input.empty() ? 0 : random() % input.size();
        switch (random() % 4) {
            case 0:
                if (!input.empty()) input[at] = std::uint8_t(random());
                break;
            case 1:
                if (!input.empty()) input.erase(input.begin() + long(at), input.begin() + long(std::min(input.size(), at + random() % 16)));
                break;
            default: {
                const char* token = kTokens[random() % std::size(kTokens)];
                input.insert(input.begin() + long(at), token, token + std::strlen(token));
            }
        }
    }
    return input;
}

}  // namespace

TEST(SettingsFuzz, CorpusLoadsCleanly) {
    auto corpus = Corpus();
    ASSERT_FALSE(corpus.empty());
    for (const auto& input : corpus) LoadSettingsFromBytes(input.data(), input.size());
}

TEST(SettingsFuzz, SeededMutationsLoadCleanly) {
    auto corpus = Corpus();
    std::mt19937 random(20261210);
    for (int round = 0; round < 300; ++round) {
        auto input = Mutated(corpus[random() % corpus.size()], random);
        LoadSettingsFromBytes(input.data(), input.size());
    }
}
