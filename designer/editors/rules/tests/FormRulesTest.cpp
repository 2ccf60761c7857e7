#include <gtest/gtest.h>

#include "FileNameLength.h"
#include "FormRules.h"
#include "ProjectFilePaths.h"
#include "util/PathNames.h"

namespace {

TEST(ProjectFilePaths, FilesBelowTheProjectAreStoredWithOneLeadingBackslash) {
    struct Case {
        const char* base;
        const char* chosen;
        std::optional<std::string> relative;
    };
    const Case cases[] = {
        {"C:\\Discs\\Demo", "C:\\Discs\\Demo\\Docs\\Manual.pdf", "\\Docs\\Manual.pdf"},
        {"C:\\Discs\\Demo\\", "c:\\discs\\DEMO\\Logo.bmp", "\\Logo.bmp"},
        {"C:\\Discs\\Demo", "C:\\Discs\\Demo2\\Logo.bmp", std::nullopt},  // a sibling with a longer name
        {"C:\\Discs\\Demo", "D:\\Other\\Logo.bmp", std::nullopt},
        {"C:\\Discs\\Demo", "C:\\Discs\\Demo\\", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(RelativeToProject(c.base, c.chosen), c.relative) << c.chosen;
    EXPECT_EQ(JoinProjectPath("C:\\Discs\\Demo\\", "\\Docs\\Manual.pdf"), "C:\\Discs\\Demo\\Docs\\Manual.pdf");
    EXPECT_EQ(CopyDestination("C:\\Discs\\Demo", "\\", "Logo.bmp"), "C:\\Discs\\Demo\\Logo.bmp");
    EXPECT_EQ(CopyDestination("C:\\Discs\\Demo", "\\Images", "Logo.bmp"), "C:\\Discs\\Demo\\Images\\Logo.bmp");
    EXPECT_TRUE(IsRootLevelName("\\Logo.bmp"));
    EXPECT_FALSE(IsRootLevelName("\\Images\\Logo.bmp"));
    EXPECT_EQ(GetFileName("D:\\Other\\Logo.bmp", false), "Logo.bmp");
}

TEST(ProjectFilePaths, FoldersBelowTheProjectAreStoredRelativeAndTheRootAsOneBackslash) {
    EXPECT_EQ(RelativeDirectory("C:\\Discs\\Demo", "C:\\Discs\\Demo\\Drivers"), "\\Drivers");
    EXPECT_EQ(RelativeDirectory("C:\\Discs\\Demo\\", "C:\\Discs\\Demo\\Drivers\\Usb\\"), "\\Drivers\\Usb");
    EXPECT_EQ(RelativeDirectory("C:\\Discs\\Demo", "c:\\discs\\demo"), "\\");
    EXPECT_EQ(RelativeDirectory("C:\\Discs\\Demo", "C:\\Elsewhere"), std::nullopt);
}

TEST(FileNameLength, NamesLongerThan108AreRenamedKeepingTheirExtension) {
    EXPECT_FALSE(IsTooLongForDisc(std::string(104, 'a') + ".pdf"));
    EXPECT_TRUE(IsTooLongForDisc(std::string(105, 'a') + ".pdf"));
    EXPECT_EQ(GetExtension("Manual.v2.PDF"), "PDF");
    EXPECT_EQ(GetExtension("README"), "");
    EXPECT_EQ(KeepingExtension("Short", "pdf"), "Short.pdf");
    EXPECT_EQ(KeepingExtension("Short.PDF", "pdf"), "Short.PDF");
    EXPECT_EQ(KeepingExtension("Short.txt", "pdf"), "Short.txt.pdf");
}

TEST(FormRules, SplashSecondsAreClampedToThirty) {
    struct Case {
        const char* typed;
        int shown;
    };
    const Case cases[] = {{"45", 30}, {"-3", 0}, {"12", 12}, {"", 0}, {"abc", 0}, {"99999999999999", 30}};
    for (const Case& c : cases) EXPECT_EQ(SplashSecondsFromText(c.typed), c.shown) << c.typed;
    EXPECT_EQ(ClampSplashSeconds(31), 30);
}

TEST(FormRules, TheIconIndexIsOfferedForProgramsAndLibraries) {
    EXPECT_TRUE(ShowsIconIndex("\\tools\\app.exe"));
    EXPECT_TRUE(ShowsIconIndex("\\x.DLL"));
    EXPECT_FALSE(ShowsIconIndex("\\logo.ico"));
    EXPECT_FALSE(ShowsIconIndex(""));
}

TEST(FormRules, TheDriverListsButtonsFollowItsEntriesAndSelection) {
    struct Case {
        int count, selected;
        bool edit, remove, up, down;
    };
    const Case cases[] = {
        {0, -1, false, false, false, false}, {1, 0, true, true, false, false}, {3, 0, true, true, false, true},
        {3, 1, true, true, true, true},      {3, 2, true, true, true, false},
    };
    for (const Case& c : cases) {
        const DriverListButtons buttons = DriverButtonsFor(c.count, c.selected);
        EXPECT_EQ(buttons.edit, c.edit) << c.count << "/" << c.selected;
        EXPECT_EQ(buttons.remove, c.remove) << c.count << "/" << c.selected;
        EXPECT_EQ(buttons.up, c.up) << c.count << "/" << c.selected;
        EXPECT_EQ(buttons.down, c.down) << c.count << "/" << c.selected;
    }
    EXPECT_EQ(SelectionAfterDelete(2, 2), 1) << "the last of three deleted: the new last";
    EXPECT_EQ(SelectionAfterDelete(0, 2), 0);
    EXPECT_EQ(SelectionAfterDelete(0, 0), -1);
}

}  // namespace

#include "FileTypeChoice.h"

namespace {

TEST(FileTypeChoice, TheWholeExtensionPicksTheEntryAndTheBareExtensionIsStored) {
    const std::vector<std::string> entries{"*.doc (Microsoft Word Document)", "*.htm (HTML Document)",
                                           "*.html (HTML Document)", "*.pdf (Adobe PDF Document)"};
    EXPECT_EQ(FileTypeEntryFor(entries, "htm"), 1) << "not *.html, whose text also begins with *.htm";
    EXPECT_EQ(FileTypeEntryFor(entries, "HTML"), 2);
    EXPECT_EQ(FileTypeEntryFor(entries, "pd"), -1);
    EXPECT_EQ(FileTypeEntryFor(entries, "zip"), -1);
    EXPECT_EQ(FileTypeEntryFor({"*.pdf", "*.pdf (again)"}, "pdf"), 1) << "the last match";
    EXPECT_EQ(FileTypeToStore(" *.doc (Microsoft Word Document) "), "doc");
    EXPECT_EQ(FileTypeToStore("*.tar.gz"), "targz");
    EXPECT_EQ(FileTypeToStore("pdf"), "pdf");
    // A choice saved and loaded again stays the same entry.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(FileTypeEntryFor(entries, FileTypeToStore(entries[i])), int(i)) << entries[i];
    }
}

}  // namespace
