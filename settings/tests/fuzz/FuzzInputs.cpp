#include "FuzzInputs.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestFixtures.h"

std::vector<FuzzInput> SettingsCorpus() {
    std::vector<FuzzInput> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(MENUWRIGHT_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return inputs;
}

FuzzInput MutatedSettings(FuzzInput input, std::mt19937& random) {
    static const char* const kTokens[] = {"[", "]", "=", "\r\n", "\n", "SettingsCount=", "SettingType=6",
                                          "SettingType=9", "-2147483648", "2147483647", "2000000000", ".1",
                                          "|Q^3|", "\"", "\x1a", "LocationType=2", "MenuLayoutType=3"};
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
