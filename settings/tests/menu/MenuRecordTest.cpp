#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "../TempDir.h"
#include "SettingsFileAccess.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsLaunch.h"

namespace {

// The keys of one section in the order the file holds them.
std::vector<std::string> KeysOf(const std::string& text, const std::string& section) {
    std::vector<std::string> keys;
    std::istringstream lines(text);
    std::string line;
    bool inside = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + section + "]";
            continue;
        }
        size_t equals = line.find('=');
        if (inside && equals != std::string::npos) keys.push_back(line.substr(0, equals));
    }
    return keys;
}

std::unique_ptr<CSettingsHtml> LoadMenu(const std::string& file, const std::string& section) {
    auto menu = std::make_unique<CSettingsHtml>();
    menu->SetFileName(file);
    menu->SetSection(section);
    menu->Load();
    return menu;
}

// Every appearance field but the buttons, for comparing two records.
std::string Describe(const CSettingsHtml& m) {
    auto font = [](const MenuFont& f) {
        return f.Face + "/" + std::to_string(f.Size) + "/" + std::to_string(f.Color) + "/" + char('0' + f.Bold) +
               char('0' + f.Italic) + char('0' + f.Underline) + char('0' + f.Strikeout);
    };
    std::ostringstream out;
    out << m.MenuType << '|' << m.WindowName << '|' << m.Width << '|' << m.Height << '|' << m.HorizOffset << '|'
        << m.VertOffset << '|' << m.LocationType << '|' << m.PresetLocation << '|' << m.Filename << '|'
        << m.MenuLayoutType << '|' << m.MenuTitle << '|' << m.MenuSubTitle << '|' << font(m.Text) << '|'
        << font(m.SubTitleFont) << '|' << m.LogoFilename << '|' << m.ShowWindowFrame << '|' << m.BackgroundType
        << '|' << m.BgrndFilename << '|' << m.Color1 << '|' << m.Color2 << '|' << m.BackgroundBitmap << '|'
        << m.BgrndCustom << '|' << m.UseImage << '|' << m.ImageFilename << '|' << m.ImageBitmapStyle << '|'
        << m.ImageCustom << '|' << m.ButtonCustom << '|' << m.ButtonUFile << '|' << m.ButtonDFile << '|'
        << m.ButtonFFile << '|' << m.ButtonRFile << '|' << font(m.ButtonText);
    return out.str();
}

void SetEveryField(CSettingsHtml& m) {
    m.SetName("Main menu");
    m.MenuType = 1;
    m.WindowName = "Disc";
    m.Width = 800;
    m.Height = 600;
    m.HorizOffset = 10;
    m.VertOffset = 90;
    m.LocationType = 2;
    m.PresetLocation = 7;
    m.Filename = "\\Html\\Start.htm";
    m.MenuLayoutType = 3;
    m.MenuTitle = "Welcome";
    m.MenuSubTitle = "To the disc";
    m.Text = {"Verdana", 20, MakeRgb(1, 2, 3), true, false, true, false};
    m.SubTitleFont = {"Tahoma", 9, MakeRgb(4, 5, 6), false, true, false, true};
    m.LogoFilename = "\\Images\\Logo.gif";
    m.ShowWindowFrame = true;
    m.BackgroundType = 5;
    m.BgrndFilename = "\\Images\\Back.bmp";
    m.Color1 = MakeRgb(255, 0, 10);
    m.Color2 = MakeRgb(0, 255, 20);
    m.BackgroundBitmap = 1;
    m.BgrndCustom = true;
    m.UseImage = true;
    m.ImageFilename = "\\Images\\Photo.jpg";
    m.ImageBitmapStyle = 3;
    m.ImageCustom = true;
    m.ButtonCustom = true;
    m.ButtonUFile = "\\B\\U.bmp";
    m.ButtonDFile = "\\B\\D.bmp";
    m.ButtonFFile = "\\B\\F.bmp";
    m.ButtonRFile = "\\B\\R.bmp";
    m.ButtonText = {"Courier New", 14, MakeRgb(7, 8, 9), true, true, true, true};
}

}  // namespace

TEST(MenuRecord, SectionWithOnlyItsKindHasAllDefaults) {
    TempDir dir;
    const std::string file = dir.Write("Settings.ini", "[Root.1]\nSettingType=6\n");
    auto menu = LoadMenu(file, "Root.1");
    EXPECT_EQ(menu->MenuType, CSettingsHtml::kStandardMenu);
    EXPECT_EQ(menu->Width, 660);
    EXPECT_EQ(menu->Height, 495);
    EXPECT_EQ(menu->LocationType, 1);
    EXPECT_EQ(menu->PresetLocation, 1);
    EXPECT_EQ(menu->BackgroundType, 4);
    EXPECT_EQ(menu->BackgroundBitmap, 3);
    EXPECT_EQ(menu->ImageBitmapStyle, 4);
    EXPECT_EQ(menu->MenuTitle, "AutoRun Menu");
    EXPECT_EQ(menu->WindowName, "AutoRun");
    EXPECT_EQ(menu->Text.Face, "Arial");
    EXPECT_EQ(menu->Text.Size, 12);
    EXPECT_EQ(menu->Color1, MakeRgb(128, 128, 128));
    EXPECT_EQ(menu->Color2, MakeRgb(64, 64, 64));
    EXPECT_EQ(menu->Buttons().Count(), 0);
    EXPECT_EQ(Describe(*menu), Describe(CSettingsHtml()));
}

TEST(MenuRecord, ColourNeedsAllThreeKeys) {
    TempDir dir;
    const std::string file = dir.Write("Settings.ini",
                                       "[Root.1]\nSettingType=6\nColor1_R=255\nColor1_G=0\n"
                                       "Color2_R=1\nColor2_G=2\nColor2_B=3\n"
                                       "TextFontColor_R=9\nTextFontColor_B=9\n");
    auto menu = LoadMenu(file, "Root.1");
    EXPECT_EQ(menu->Color1, MakeRgb(128, 128, 128));
    EXPECT_EQ(menu->Color2, MakeRgb(1, 2, 3));
    EXPECT_EQ(menu->Text.Color, MakeRgb(0, 0, 0));
}

TEST(MenuRecord, LibraryImageBitmapLoadsAsJpeg) {
    struct Case { const char* useImage; const char* imageCustom; const char* stored; const char* loaded; };
    const Case cases[] = {
        {"TRUE", "false", "\\AutoRun\\Menu\\Images\\Sea.BMP", "\\AutoRun\\Menu\\Images\\Sea.jpg"},
        {"true", "true", "\\AutoRun\\Menu\\Images\\Sea.BMP", "\\AutoRun\\Menu\\Images\\Sea.BMP"},
        {"false", "false", "\\AutoRun\\Menu\\Images\\Sea.bmp", "\\AutoRun\\Menu\\Images\\Sea.bmp"},
        {"true", "false", "\\AutoRun\\Menu\\Images\\Sea.gif", "\\AutoRun\\Menu\\Images\\Sea.gif"},
        {"true", "false", "\\AutoRun\\Menu.bmp\\Images\\Sea", "\\AutoRun\\Menu.bmp\\Images\\Sea"},
        {"true", "false", "\\Images\\bmp", "\\Images\\bmp"},
        {"true", "false", "\\Images\\Photo.bmp.bmp", "\\Images\\Photo.bmp.jpg"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string file = dir.Write("Settings.ini", std::string("[Root.1]\nSettingType=6\nUseImage=") +
                                                               c.useImage + "\nImageCustom=" + c.imageCustom +
                                                               "\nImageFilename=" + c.stored + "\n");
        EXPECT_EQ(LoadMenu(file, "Root.1")->ImageFilename, c.loaded) << c.stored;
    }
}

TEST(MenuRecord, LegacySectionTakesButtonsFromTheButtonSection) {
    const std::string keys =
        "SettingType=6\nMenuType=2\nMenuTitle=Old disc\n";
    const std::string legacyButtons =
        "[Button]\nCount=2\nName0=Install\nButtonNumber0=1\nButtonType0=2\nName1=Exit\nWindowClose1=true\n"
        "[Launch1]\nCount=1\nFile0=\\Setup.exe\n";
    TempDir dir;
    const std::string file = dir.Write("Settings.ini", "[Html]\n" + keys + "[Root.2]\n" + keys + legacyButtons);

    auto legacy = LoadMenu(file, "Html");
    EXPECT_EQ(legacy->MenuType, CSettingsHtml::kHtmlMenu);
    EXPECT_EQ(legacy->MenuTitle, "Old disc");
    ASSERT_EQ(legacy->Buttons().Count(), 2);
    EXPECT_EQ(legacy->Buttons().GetAt(0)->GetName(), "Install");
    EXPECT_TRUE(static_cast<CSettingsButton*>(legacy->Buttons().GetAt(1))->WindowClose);

    auto tree = LoadMenu(file, "Root.2");
    EXPECT_EQ(tree->MenuType, CSettingsHtml::kStandardMenu);
    EXPECT_EQ(tree->Buttons().Count(), 0);
}

TEST(MenuRecord, SavesKeysInOrderAndTitleFontDefaults) {
    TempDir dir;
    const std::string file = dir.File("Settings.ini");
    CSettingsHtml menu;
    menu.SetFileName(file);
    menu.SetSection("Root.1");
    menu.Save();
    const std::vector<std::string> expected = {
        "SettingType", "Name", "Filename", "MenuType", "WindowName", "Width", "Height", "LocationType",
        "PresetLocation", "HorizOffset", "VertOffset", "BackgroundType", "MenuLayoutType", "MenuTitle",
        "MenuSubTitle", "LogoFilename", "BgrndFilename", "Color1_R", "Color1_G", "Color1_B", "Color2_R", "Color2_G",
        "Color2_B", "BackgroundBitmap", "ImageFilename", "ImageBitmapStyle", "ShowWindowFrame", "BgrndCustom",
        "ImageCustom", "UseImage", "ButtonCustom", "ButtonUFile", "ButtonDFile", "ButtonFFile", "ButtonRFile",
        "ButtonTextFontFace", "ButtonTextFontSize", "ButtonTextFontColor_R", "ButtonTextFontColor_G",
        "ButtonTextFontColor_B", "ButtonTextFontBold", "ButtonTextFontItalics", "ButtonTextFontUnderline",
        "ButtonTextFontStrikeout", "TextFontFace", "TextFontSize", "TextFontColor_R", "TextFontColor_G",
        "TextFontColor_B", "TextFontBold", "TextFontItalics", "TextFontUnderline", "TextFontStrikeout",
        "SubTitleFontFontFace", "SubTitleFontFontSize", "SubTitleFontFontColor_R", "SubTitleFontFontColor_G",
        "SubTitleFontFontColor_B", "SubTitleFontFontBold", "SubTitleFontFontItalics", "SubTitleFontFontUnderline",
        "SubTitleFontFontStrikeout", "SettingsCount",
    };
    // Empty values may be left out by the platform's writer; compare what is there.
    std::vector<std::string> written = KeysOf(dir.Read("Settings.ini"), "Root.1");
    std::vector<std::string> present;
    for (const std::string& key : expected) {
        if (std::find(written.begin(), written.end(), key) != written.end()) present.push_back(key);
    }
    EXPECT_EQ(written, present);
    for (const char* key : {"SettingType", "MenuType", "Width", "TextFontFace", "SubTitleFontFontStrikeout",
                            "ButtonTextFontColor_B", "SettingsCount"}) {
        EXPECT_NE(std::find(written.begin(), written.end(), key), written.end()) << key;
    }
    std::string value;
    ReadString(file, "Root.1", "TextFontFace", value);
    EXPECT_EQ(value, "Arial");
    ReadString(file, "Root.1", "TextFontSize", value);
    EXPECT_EQ(value, "12");
    for (const char* key : {"TextFontColor_R", "TextFontColor_G", "TextFontColor_B"}) {
        ReadString(file, "Root.1", key, value);
        EXPECT_EQ(value, "0") << key;
    }
    for (const char* key : {"TextFontBold", "TextFontItalics", "TextFontUnderline", "TextFontStrikeout"}) {
        ReadString(file, "Root.1", key, value);
        EXPECT_EQ(value, "false") << key;
    }
}

TEST(MenuRecord, RoundTripKeepsEveryFieldAndTheButtons) {
    TempDir dir;
    const std::string file = dir.File("Settings.ini");
    CSettingsHtml menu;
    menu.SetFileName(file);
    menu.SetSection("Root.1");
    SetEveryField(menu);
    for (const char* caption : {"Install", "Exit"}) {
        auto button = std::make_unique<CSettingsButton>();
        button->SetName(caption);
        button->WindowClose = std::string(caption) == "Exit";
        menu.Buttons().Add(std::move(button), false);
    }
    menu.Save();

    std::int32_t count = 0;
    ReadInt(file, "Root.1", "SettingsCount", count);
    EXPECT_EQ(count, 2);
    std::string name;
    ReadString(file, "Root.1.2", "Name", name);
    EXPECT_EQ(name, "Exit");

    auto loaded = LoadMenu(file, "Root.1");
    EXPECT_EQ(Describe(*loaded), Describe(menu));
    EXPECT_EQ(loaded->GetName(), "Main menu");
    ASSERT_EQ(loaded->Buttons().Count(), 2);
    auto* exit = static_cast<CSettingsButton*>(loaded->Buttons().GetAt(1));
    EXPECT_EQ(exit->GetName(), "Exit");
    EXPECT_TRUE(exit->WindowClose);
    EXPECT_EQ(exit->GetSection(), "Root.1.2");
}

TEST(MenuRecord, CloneCopiesEverythingButTheProjectDirectory) {
    TempDir dir;
    CSettingsHtml menu;
    menu.SetFileName(dir.File("Settings.ini"));
    menu.SetSection("Root.4");
    SetEveryField(menu);
    menu.SetBaseDirectory(dir.Path(), false);
    menu.Buttons().Add(std::make_unique<CSettingsButton>(), false);

    auto copy = menu.Clone();
    auto& clone = static_cast<CSettingsHtml&>(*copy);
    EXPECT_EQ(Describe(clone), Describe(menu));
    EXPECT_EQ(clone.GetName(), "Main menu");
    EXPECT_EQ(clone.GetSection(), "Root.4");
    EXPECT_EQ(clone.GetFileName(), menu.GetFileName());
    EXPECT_EQ(clone.Buttons().Count(), 1);
    EXPECT_EQ(clone.Buttons().GetPrefix(), "Root.4");
    EXPECT_EQ(clone.Buttons().GetAt(0)->GetFileName(), menu.GetFileName());
    EXPECT_NE(clone.Buttons().GetAt(0), menu.Buttons().GetAt(0));
    EXPECT_EQ(menu.ProjectDirectory(), dir.Path());
    EXPECT_EQ(clone.ProjectDirectory(), "");
}

TEST(MenuRecord, CopyAppearanceLeavesIdentityAndButtons) {
    CSettingsHtml edited;
    SetEveryField(edited);
    edited.SetSection("Root.9");
    edited.Buttons().Add(std::make_unique<CSettingsButton>(), false);

    CSettingsHtml menu;
    menu.SetName("Keep me");
    menu.SetSection("Root.2");
    menu.SetFileName("keep.ini");
    menu.CopyAppearance(edited);
    EXPECT_EQ(Describe(menu), Describe(edited));
    EXPECT_EQ(menu.GetName(), "Keep me");
    EXPECT_EQ(menu.GetSection(), "Root.2");
    EXPECT_EQ(menu.GetFileName(), "keep.ini");
    EXPECT_EQ(menu.Buttons().Count(), 0);
    EXPECT_EQ(menu.SettingType(), kSettingHtml);
}

TEST(ButtonRecord, CloneCopiesFileNameSectionAndActions) {
    CSettingsButton button;
    button.SetFileName("disc.ini");
    button.SetSection("Root.1.3");
    button.SetName("Manual");
    button.WindowClose = true;
    auto action = std::make_unique<CSettingsLaunch>();
    action->SetName("Open");
    button.Actions().Add(std::move(action), false);

    auto copy = button.Clone();
    auto& clone = static_cast<CSettingsButton&>(*copy);
    EXPECT_EQ(clone.GetFileName(), "disc.ini");
    EXPECT_EQ(clone.GetSection(), "Root.1.3");
    EXPECT_EQ(clone.GetName(), "Manual");
    EXPECT_TRUE(clone.WindowClose);
    ASSERT_EQ(clone.Actions().Count(), 1);
    EXPECT_EQ(clone.Actions().GetPrefix(), "Root.1.3");
    EXPECT_EQ(clone.Actions().GetAt(0)->GetName(), "Open");
    EXPECT_EQ(clone.Actions().GetAt(0)->GetFileName(), "disc.ini");
    EXPECT_NE(clone.Actions().GetAt(0), button.Actions().GetAt(0));
}

TEST(ButtonRecord, RoundTripWithActions) {
    TempDir dir;
    const std::string file = dir.File("Settings.ini");
    CSettingsButton button;
    button.SetFileName(file);
    button.SetSection("Root.1.1");
    button.SetName("Readme");
    button.WindowClose = true;
    button.Actions().Add(std::make_unique<CSettingsLaunch>(), false);
    button.Save();

    CSettingsButton loaded;
    loaded.SetFileName(file);
    loaded.SetSection("Root.1.1");
    loaded.Load();
    EXPECT_EQ(loaded.GetName(), "Readme");
    EXPECT_TRUE(loaded.WindowClose);
    ASSERT_EQ(loaded.Actions().Count(), 1);
    EXPECT_EQ(loaded.Actions().GetAt(0)->SettingType(), kSettingLaunch);
    EXPECT_EQ(loaded.Actions().GetAt(0)->GetSection(), "Root.1.1.1");
}
