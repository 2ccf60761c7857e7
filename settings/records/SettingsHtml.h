#pragma once
// A menu step: the standard graphical menu or an HTML menu, with its buttons.
// Despite the name the record describes both kinds; MenuType chooses.
#include <string>
#include <string_view>

#include "../SettingsList.h"
#include "MenuFont.h"

class CSettingsHtml : public CSettingsOf<CSettingsHtml> {
public:
    CSettingsHtml() : CSettingsOf(kSettingHtml, "Html") {}
    CSettingsHtml(const CSettingsHtml& other);

    bool Load() override;
    CSettingsList* ChildList() override { return &Buttons(); }
    bool Save() override;
    void SetSection(const std::string& section) override;
    void SetFileName(const std::string& fileName) override;
    // Stores the project directory and copies the library pictures the menu
    // uses into it; recursive passes the call on to the buttons.
    void SetBaseDirectory(const std::string& path, bool recursive) override;

    // Takes every appearance field of the other menu, leaving the buttons,
    // the kind, file name, section, name and project directory alone.
    void CopyAppearance(const CSettingsHtml& other);

    CSettingsList& Buttons() { return buttons_; }
    const CSettingsList& Buttons() const { return buttons_; }
    const std::string& ProjectDirectory() const { return projectDirectory_; }

    enum MenuTypes : std::int32_t { kHtmlMenu = 1, kStandardMenu = 2 };
    enum LocationTypes : std::int32_t { kPresetLocation = 1, kCustomLocation = 2 };
    enum PresetLocations : std::int32_t {
        kCentered = 1, kCenteredTop, kCenteredBottom, kCenteredLeft, kCenteredRight,
        kTopLeft, kTopRight, kBottomLeft, kBottomRight,
    };
    enum MenuLayoutTypes : std::int32_t { kButtonsLeftImageRight = 1, kButtonsCentered = 2, kButtonsRightImageLeft = 3 };
    enum BackgroundTypes : std::int32_t {
        kHorizontalReflected = 1, kHorizontalLinear, kSolidColor, kBackgroundImage, kVerticalReflected, kVerticalLinear,
    };
    enum BackgroundBitmaps : std::int32_t { kTile = 1, kCenter = 2, kStretch = 3 };
    enum ImageBitmapStyles : std::int32_t { kStretchToFit = 2, kStretchToFill = 3, kBestFit = 4 };

    std::int32_t MenuType = kStandardMenu;
    std::string WindowName = "AutoRun";
    std::int32_t Width = 660;
    std::int32_t Height = 495;
    std::int32_t HorizOffset = 50;  // percent of the free space left of the window
    std::int32_t VertOffset = 50;   // percent of the free space above it
    std::int32_t LocationType = kPresetLocation;
    std::int32_t PresetLocation = kCentered;
    std::string Filename;  // the HTML menu's base file
    std::int32_t MenuLayoutType = kButtonsLeftImageRight;
    std::string MenuTitle = "AutoRun Menu";
    std::string MenuSubTitle;
    MenuFont Text;
    MenuFont SubTitleFont;
    std::string LogoFilename;
    bool ShowWindowFrame = false;
    std::int32_t BackgroundType = kBackgroundImage;
    std::string BgrndFilename;
    RgbColor Color1 = MakeRgb(128, 128, 128);
    RgbColor Color2 = MakeRgb(64, 64, 64);
    std::int32_t BackgroundBitmap = kStretch;
    bool BgrndCustom = false;
    bool UseImage = false;
    std::string ImageFilename;
    std::int32_t ImageBitmapStyle = kBestFit;
    bool ImageCustom = false;
    bool ButtonCustom = false;
    std::string ButtonUFile;
    std::string ButtonDFile;
    std::string ButtonFFile;
    std::string ButtonRFile;
    MenuFont ButtonText;

private:
    void LoadAppearance();
    void SaveAppearance();
    void CopyLibraryPictures() const;

    CSettingsList buttons_;
    std::string projectDirectory_;
};

// Library pictures come with the designer and are named "\AutoRun\Menu"
// followed by their path below the designer's directory. Only a name that
// really starts with "\AutoRun\Menu\" and stays inside that folder counts;
// anything else is the author's own file and is never cut or copied.
bool IsLibraryPictureName(std::string_view name);
// The library image of an older project was a bitmap; the library now ships
// it as a JPEG of the same name.
std::string ConvertLibraryImageName(const std::string& name);
// The library file a library name stands for, or empty when the name is not
// a library name.
std::string LibraryPictureSource(const std::string& libraryDirectory, const std::string& name);
// Copies one library picture into the project directory below the same
// name, creating its folders. False when nothing was copied (not a library
// name, no such library file, no project directory, or the copy failed).
bool CopyLibraryPicture(const std::string& libraryDirectory, const std::string& projectDirectory,
                        const std::string& name);

// The designer's program directory, where the library lives. Tests and the
// designer may set another one; empty restores the program's own.
std::string LibraryDirectory();
void SetLibraryDirectory(const std::string& directory);
