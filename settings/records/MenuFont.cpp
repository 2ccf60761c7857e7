#include "MenuFont.h"

#include "../SettingsFileAccess.h"

void MenuFont::Load(const std::string& file, const std::string& section, const std::string& prefix) {
    ReadString(file, section, prefix + "FontFace", Face);
    ReadInt(file, section, prefix + "FontSize", Size);
    ReadColor(file, section, prefix + "FontColor", Color);
    ReadBool(file, section, prefix + "FontBold", Bold);
    ReadBool(file, section, prefix + "FontItalics", Italic);
    ReadBool(file, section, prefix + "FontUnderline", Underline);
    ReadBool(file, section, prefix + "FontStrikeout", Strikeout);
}

void MenuFont::Save(const std::string& file, const std::string& section, const std::string& prefix) const {
    WriteString(file, section, prefix + "FontFace", Face);
    WriteInt(file, section, prefix + "FontSize", Size);
    WriteColor(file, section, prefix + "FontColor", Color);
    WriteBool(file, section, prefix + "FontBold", Bold);
    WriteBool(file, section, prefix + "FontItalics", Italic);
    WriteBool(file, section, prefix + "FontUnderline", Underline);
    WriteBool(file, section, prefix + "FontStrikeout", Strikeout);
}
