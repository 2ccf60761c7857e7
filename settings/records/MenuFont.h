#pragma once
// The font of one text of a menu (title, subtitle or button captions): seven
// values stored under one key prefix ("TextFontFace", "TextFontSize", ...).
#include <cstdint>
#include <string>

#include "../ValueEncoding.h"

struct MenuFont {
    std::string Face = "Arial";
    std::int32_t Size = 12;  // points
    RgbColor Color = MakeRgb(0, 0, 0);
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikeout = false;

    // Keys that are absent keep the current values.
    void Load(const std::string& file, const std::string& section, const std::string& prefix);
    // In the order face, size, colour, bold, italic, underline, strikeout.
    void Save(const std::string& file, const std::string& section, const std::string& prefix) const;

    bool operator==(const MenuFont&) const = default;
};
