#pragma once
// Loads arbitrary bytes as a settings file and walks everything that was
// read, so the sanitizers see every field the loader produced.
#include <cstddef>
#include <cstdint>

void LoadSettingsFromBytes(const std::uint8_t* data, std::size_t size);
