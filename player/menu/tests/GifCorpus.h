#pragma once
// The GIF pictures under tests/fixtures/menu/gif, read whole.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestFixtures.h"

using GifBytes = std::vector<std::uint8_t>;

inline GifBytes ReadGifFixture(const std::string& name) {
    std::ifstream in(std::filesystem::path(MENUWRIGHT_GIF_CORPUS) / name, std::ios::binary);
    return GifBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> GifCorpusNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(MENUWRIGHT_GIF_CORPUS)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
