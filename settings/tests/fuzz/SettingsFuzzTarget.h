#pragma once
// Loads arbitrary bytes as a settings file and walks everything that was
// read, so the sanitizers see every field the loader produced.
#include <cstddef>
#include <cstdint>
#include <functional>

class CDiscSettings;

// After the walk, `use` (when given) gets the loaded disc, so that other
// fuzz targets can drive their own code with the values a file produced.
void LoadSettingsFromBytes(const std::uint8_t* data, std::size_t size,
                           const std::function<void(const CDiscSettings&)>& use = {});
