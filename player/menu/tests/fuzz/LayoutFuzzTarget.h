#pragma once
// Loads arbitrary bytes as a settings file and lays out every menu in it the
// way the menu window does: placement, the standard layout, picture fitting
// and the background fills, with picture sizes taken from the bytes as a
// crafted picture file could claim them.
#include <cstddef>
#include <cstdint>

void LayOutMenusFromBytes(const std::uint8_t* data, std::size_t size);
