#include <gtest/gtest.h>

#include <filesystem>

#include "../TempDir.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"

namespace {

// Directory names written with backslashes, as the records store them; the
// native build treats them as separators too.
std::string FilePath(const TempDir& dir, const std::string& relative) {
    std::string path = dir.Path() + relative;
#ifndef _WIN32
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
#endif
    return path;
}

void WriteAt(const TempDir& dir, const std::string& relative, const std::string& content) {
    std::filesystem::path path(FilePath(dir, relative));
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadAt(const TempDir& dir, const std::string& relative) {
    std::ifstream in(FilePath(dir, relative), std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A designer directory with a small library, and a project directory.
struct LibraryFixture {
    TempDir library;
    TempDir project;
    LibraryFixture() {
        for (const char* name : {"Bgnd.bmp", "BtnU.bmp", "BtnD.bmp", "BtnF.bmp", "BtnR.bmp", "Sky.jpg"}) {
            WriteAt(library, std::string("\\Templates\\Ocean\\") + name, std::string("library ") + name);
        }
        SetLibraryDirectory(library.Path());
    }
    ~LibraryFixture() { SetLibraryDirectory(""); }
};

}  // namespace

TEST(LibraryPicture, OnlyNamesInsideTheLibraryFolderCount) {
    struct Case { const char* name; bool library; };
    const Case cases[] = {
        {"\\AutoRun\\Menu\\Templates\\Ocean\\Bgnd.bmp", true},
        {"\\autorun\\MENU\\Images\\Sky.jpg", true},
        {"\\AutoRun\\Menu\\x", true},
        {"\\AutoRun\\Menu\\", false},
        {"\\AutoRun\\Menu", false},
        {"\\AutoRun\\MenuX.bmp", false},
        {"\\AutoRun\\Men", false},
        {"", false},
        {"\\Images\\Logo.bmp", false},
        {"AutoRun\\Menu\\Images\\Sky.jpg", false},
        {"\\AutoRun\\Menu\\..\\..\\Secret.txt", false},
        {"\\AutoRun\\Menu\\Images\\..\\Sky.jpg", false},
        {"\\AutoRun\\Menu\\C:\\Windows\\win.ini", false},
        {"\\AutoRun\\Menu\\Images/../../x", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsLibraryPictureName(c.name), c.library) << c.name;
}

TEST(LibraryPicture, SourceDropsThePrefixOnly) {
    EXPECT_EQ(LibraryPictureSource("C:\\Designer", "\\AutoRun\\Menu\\Templates\\Ocean\\BtnU.bmp"),
              "C:\\Designer\\Templates\\Ocean\\BtnU.bmp");
    EXPECT_EQ(LibraryPictureSource("C:\\Designer", "\\Images\\Logo.bmp"), "");
    EXPECT_EQ(LibraryPictureSource("C:\\Designer", "\\AutoRun\\Menu\\..\\x.bmp"), "");
}

TEST(LibraryPicture, BaseDirectoryCopiesButtonsButNotACustomBackground) {
    LibraryFixture fixture;
    CSettingsHtml menu;
    menu.BgrndCustom = true;
    menu.BgrndFilename = "\\AutoRun\\Menu\\Templates\\Ocean\\Bgnd.bmp";
    menu.ButtonCustom = false;
    menu.ButtonUFile = "\\AutoRun\\Menu\\Templates\\Ocean\\BtnU.bmp";
    menu.ButtonDFile = "\\AutoRun\\Menu\\Templates\\Ocean\\BtnD.bmp";
    menu.ButtonFFile = "\\AutoRun\\Menu\\Templates\\Ocean\\BtnF.bmp";
    menu.ButtonRFile = "\\AutoRun\\Menu\\Templates\\Ocean\\BtnR.bmp";
    menu.SetBaseDirectory(fixture.project.Path(), false);

    EXPECT_EQ(menu.ProjectDirectory(), fixture.project.Path());
    for (const char* state : {"U", "D", "F", "R"}) {
        EXPECT_EQ(ReadAt(fixture.project, std::string("\\AutoRun\\Menu\\Templates\\Ocean\\Btn") + state + ".bmp"),
                  std::string("library Btn") + state + ".bmp");
    }
    EXPECT_EQ(ReadAt(fixture.project, "\\AutoRun\\Menu\\Templates\\Ocean\\Bgnd.bmp"), "<missing>");
}

TEST(LibraryPicture, ImageIsCopiedOnlyWhenShownAndFromTheLibrary) {
    struct Case { bool useImage; bool imageCustom; bool copied; };
    const Case cases[] = {{true, false, true}, {false, false, false}, {true, true, false}};
    for (const Case& c : cases) {
        LibraryFixture fixture;
        CSettingsHtml menu;
        menu.BgrndCustom = true;
        menu.ButtonCustom = true;
        menu.UseImage = c.useImage;
        menu.ImageCustom = c.imageCustom;
        menu.ImageFilename = "\\AutoRun\\Menu\\Templates\\Ocean\\Sky.jpg";
        menu.SetBaseDirectory(fixture.project.Path(), false);
        EXPECT_EQ(ReadAt(fixture.project, "\\AutoRun\\Menu\\Templates\\Ocean\\Sky.jpg") != "<missing>", c.copied)
            << c.useImage << c.imageCustom;
    }
}

TEST(LibraryPicture, AuthorsOwnFilesAreNeverCutCopiedOrReplaced) {
    LibraryFixture fixture;
    // Files that a careless cut of the first 13 characters would reach.
    WriteAt(fixture.library, "\\go.bmp", "library go.bmp");
    WriteAt(fixture.library, "\\Secret.txt", "outside the library");
    WriteAt(fixture.project, "\\Images\\Logo.bmp", "author's logo");
    WriteAt(fixture.project, "\\Secret.txt", "author's text");

    CSettingsHtml menu;
    menu.BgrndCustom = false;  // flags that claim library files the names are not
    menu.ButtonCustom = false;
    menu.BgrndFilename = "\\Images\\Logo.bmp";
    menu.ButtonUFile = "\\AutoRun\\Menu\\..\\Secret.txt";
    menu.ButtonDFile = "\\AutoRun\\Menu\\..\\..\\Escaped.bmp";
    menu.ButtonFFile = "\\x";
    menu.ButtonRFile = "";
    menu.SetBaseDirectory(fixture.project.Path(), false);

    EXPECT_EQ(ReadAt(fixture.project, "\\Images\\Logo.bmp"), "author's logo");
    EXPECT_EQ(ReadAt(fixture.project, "\\Secret.txt"), "author's text");
    EXPECT_FALSE(std::filesystem::exists(FilePath(fixture.project, "\\AutoRun")));
}

TEST(LibraryPicture, NothingIsCopiedWithoutAProjectDirectory) {
    LibraryFixture fixture;
    EXPECT_FALSE(CopyLibraryPicture(fixture.library.Path(), "", "\\AutoRun\\Menu\\Templates\\Ocean\\BtnU.bmp"));
    EXPECT_FALSE(CopyLibraryPicture(fixture.library.Path(), fixture.project.Path(),
                                    "\\AutoRun\\Menu\\Templates\\Ocean\\Missing.bmp"));
    EXPECT_TRUE(CopyLibraryPicture(fixture.library.Path(), fixture.project.Path(),
                                   "\\AutoRun\\Menu\\Templates\\Ocean\\BtnU.bmp"));
}

TEST(LibraryPicture, RecursiveBaseDirectoryReachesSubmenus) {
    LibraryFixture fixture;
    CSettingsHtml outer;
    outer.BgrndCustom = true;
    outer.ButtonCustom = true;
    auto button = std::make_unique<CSettingsButton>();
    auto submenu = std::make_unique<CSettingsHtml>();
    submenu->BgrndCustom = false;
    submenu->ButtonCustom = true;
    submenu->BgrndFilename = "\\AutoRun\\Menu\\Templates\\Ocean\\Bgnd.bmp";
    CSettingsHtml* inner = submenu.get();
    button->Actions().Add(std::move(submenu), false);
    outer.Buttons().Add(std::move(button), false);

    outer.SetBaseDirectory(fixture.project.Path(), true);
    EXPECT_EQ(inner->ProjectDirectory(), fixture.project.Path());
    EXPECT_EQ(ReadAt(fixture.project, "\\AutoRun\\Menu\\Templates\\Ocean\\Bgnd.bmp"), "library Bgnd.bmp");
}
