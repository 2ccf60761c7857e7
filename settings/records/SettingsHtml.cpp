#include "SettingsHtml.h"

#include "../LegacyLayout.h"
#include "../SettingsFileAccess.h"
#include "../util/TextCase.h"

#include "../util/LocalFiles.h"

namespace {

constexpr std::string_view kLibraryPrefix = "\\AutoRun\\Menu";

// Everything below the designer's directory, so the prefix needs its
// backslash too: "\AutoRun\MenuX.bmp" is the author's own file.
bool StartsWithLibraryFolder(std::string_view name) {
    return name.size() > kLibraryPrefix.size() + 1 &&
           EqualsNoCase(name.substr(0, kLibraryPrefix.size()), kLibraryPrefix) &&
           name[kLibraryPrefix.size()] == '\\';
}

std::string& LibraryDirectoryOverride() {
    static std::string directory;
    return directory;
}


}  // namespace

bool IsLibraryPictureName(std::string_view name) {
    if (!StartsWithLibraryFolder(name)) return false;
    // Nothing may lead out of the library folder or name another drive.
    return name.find("..") == std::string_view::npos && name.find(':') == std::string_view::npos &&
           name.find('/') == std::string_view::npos;
}

std::string ConvertLibraryImageName(const std::string& name) {
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || !EqualsNoCase(std::string_view(name).substr(dot + 1), "bmp")) return name;
    return name.substr(0, dot) + ".jpg";
}

std::string LibraryPictureSource(const std::string& libraryDirectory, const std::string& name) {
    if (!IsLibraryPictureName(name)) return {};
    return libraryDirectory + name.substr(kLibraryPrefix.size());
}

bool CopyLibraryPicture(const std::string& libraryDirectory, const std::string& projectDirectory,
                        const std::string& name) {
    if (libraryDirectory.empty() || projectDirectory.empty()) return false;
    const std::string source = LibraryPictureSource(libraryDirectory, name);
    if (source.empty() || !IsExistingFile(source)) return false;
    CreateDirectoryPath(projectDirectory + name.substr(0, name.find_last_of('\\')));
    return CopyFileOver(source, projectDirectory + name);
}

std::string LibraryDirectory() {
    const std::string& chosen = LibraryDirectoryOverride();
    return chosen.empty() ? GetModuleDirectory() : chosen;
}

void SetLibraryDirectory(const std::string& directory) { LibraryDirectoryOverride() = directory; }

CSettingsHtml::CSettingsHtml(const CSettingsHtml& other) : CSettingsOf(other) {
    CopyAppearance(other);
    buttons_.CopyFrom(other.buttons_);
    buttons_.SetFileName(other.buttons_.GetFileName());
}

void CSettingsHtml::CopyAppearance(const CSettingsHtml& other) {
    if (&other == this) return;
    MenuType = other.MenuType;
    WindowName = other.WindowName;
    Width = other.Width;
    Height = other.Height;
    HorizOffset = other.HorizOffset;
    VertOffset = other.VertOffset;
    LocationType = other.LocationType;
    PresetLocation = other.PresetLocation;
    Filename = other.Filename;
    MenuLayoutType = other.MenuLayoutType;
    MenuTitle = other.MenuTitle;
    MenuSubTitle = other.MenuSubTitle;
    Text = other.Text;
    SubTitleFont = other.SubTitleFont;
    LogoFilename = other.LogoFilename;
    ShowWindowFrame = other.ShowWindowFrame;
    BackgroundType = other.BackgroundType;
    BgrndFilename = other.BgrndFilename;
    Color1 = other.Color1;
    Color2 = other.Color2;
    BackgroundBitmap = other.BackgroundBitmap;
    BgrndCustom = other.BgrndCustom;
    UseImage = other.UseImage;
    ImageFilename = other.ImageFilename;
    ImageBitmapStyle = other.ImageBitmapStyle;
    ImageCustom = other.ImageCustom;
    ButtonCustom = other.ButtonCustom;
    ButtonUFile = other.ButtonUFile;
    ButtonDFile = other.ButtonDFile;
    ButtonFFile = other.ButtonFFile;
    ButtonRFile = other.ButtonRFile;
    ButtonText = other.ButtonText;
}

bool CSettingsHtml::Load() {
    CSettings::Load();
    LoadAppearance();
    if (UseImage && !ImageCustom) ImageFilename = ConvertLibraryImageName(ImageFilename);
    if (GetSection() == "Html") {
        LoadLegacyButtonList(GetFileName(), buttons_);
        MenuType = kHtmlMenu;
    } else {
        buttons_.Load();
    }
    return true;
}

void CSettingsHtml::LoadAppearance() {
    Read("MenuType", MenuType);
    Read("WindowName", WindowName);
    Read("Width", Width);
    Read("Height", Height);
    Read("HorizOffset", HorizOffset);
    Read("VertOffset", VertOffset);
    Read("LocationType", LocationType);
    Read("PresetLocation", PresetLocation);
    Read("Filename", Filename);
    Read("MenuLayoutType", MenuLayoutType);
    Read("MenuTitle", MenuTitle);
    Read("MenuSubTitle", MenuSubTitle);
    Text.Load(GetFileName(), GetSection(), "Text");
    SubTitleFont.Load(GetFileName(), GetSection(), "SubTitleFont");
    Read("LogoFilename", LogoFilename);
    Read("ShowWindowFrame", ShowWindowFrame);
    Read("BackgroundType", BackgroundType);
    Read("BgrndFilename", BgrndFilename);
    ReadColorKey("Color1", Color1);
    ReadColorKey("Color2", Color2);
    Read("BackgroundBitmap", BackgroundBitmap);
    Read("BgrndCustom", BgrndCustom);
    Read("UseImage", UseImage);
    Read("ImageFilename", ImageFilename);
    Read("ImageBitmapStyle", ImageBitmapStyle);
    Read("ImageCustom", ImageCustom);
    Read("ButtonCustom", ButtonCustom);
    Read("ButtonUFile", ButtonUFile);
    Read("ButtonDFile", ButtonDFile);
    Read("ButtonFFile", ButtonFFile);
    Read("ButtonRFile", ButtonRFile);
    ButtonText.Load(GetFileName(), GetSection(), "ButtonText");
}

bool CSettingsHtml::Save() {
    CSettings::Save();
    SaveAppearance();
    buttons_.Save();
    return true;
}

void CSettingsHtml::SaveAppearance() {
    Write("Filename", Filename);
    Write("MenuType", MenuType);
    Write("WindowName", WindowName);
    Write("Width", Width);
    Write("Height", Height);
    Write("LocationType", LocationType);
    Write("PresetLocation", PresetLocation);
    Write("HorizOffset", HorizOffset);
    Write("VertOffset", VertOffset);
    Write("BackgroundType", BackgroundType);
    Write("MenuLayoutType", MenuLayoutType);
    Write("MenuTitle", MenuTitle);
    Write("MenuSubTitle", MenuSubTitle);
    Write("LogoFilename", LogoFilename);
    Write("BgrndFilename", BgrndFilename);
    WriteColorKey("Color1", Color1);
    WriteColorKey("Color2", Color2);
    Write("BackgroundBitmap", BackgroundBitmap);
    Write("ImageFilename", ImageFilename);
    Write("ImageBitmapStyle", ImageBitmapStyle);
    Write("ShowWindowFrame", ShowWindowFrame);
    Write("BgrndCustom", BgrndCustom);
    Write("ImageCustom", ImageCustom);
    Write("UseImage", UseImage);
    Write("ButtonCustom", ButtonCustom);
    Write("ButtonUFile", ButtonUFile);
    Write("ButtonDFile", ButtonDFile);
    Write("ButtonFFile", ButtonFFile);
    Write("ButtonRFile", ButtonRFile);
    ButtonText.Save(GetFileName(), GetSection(), "ButtonText");
    Text.Save(GetFileName(), GetSection(), "Text");
    SubTitleFont.Save(GetFileName(), GetSection(), "SubTitleFont");
}

void CSettingsHtml::SetSection(const std::string& section) {
    buttons_.SetPrefix(section);
    CSettings::SetSection(section);
}

void CSettingsHtml::SetFileName(const std::string& fileName) {
    buttons_.SetFileName(fileName);
    CSettings::SetFileName(fileName);
}

void CSettingsHtml::SetBaseDirectory(const std::string& path, bool recursive) {
    projectDirectory_ = path;
    CopyLibraryPictures();
    if (recursive) buttons_.SetBaseDirectory(path);
}

void CSettingsHtml::CopyLibraryPictures() const {
    const std::string library = LibraryDirectory();
    auto copy = [&](const std::string& name) { CopyLibraryPicture(library, projectDirectory_, name); };
    if (UseImage && !ImageCustom) copy(ImageFilename);
    if (!BgrndCustom) copy(BgrndFilename);
    if (!ButtonCustom) {
        copy(ButtonUFile);
        copy(ButtonDFile);
        copy(ButtonRFile);
        copy(ButtonFFile);
    }
}
