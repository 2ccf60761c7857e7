#include <gtest/gtest.h>

#include <filesystem>

#include "SectionLines.h"
#include "TempDir.h"
#include "records/SettingsViewer.h"
#include "records/ViewerFolders.h"

namespace {

TEST(ViewerRecord, MissingAttributesFileDoesNotLoad) {
    TempDir dir;
    CSettingsViewer viewer(dir.Path());
    viewer.SetDirectoryName("Reader");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Reader")));
    EXPECT_FALSE(viewer.Load());
}

TEST(ViewerRecord, ExtensionsAreASortedSetByExactText) {
    CSettingsViewer viewer("unused");
    for (const char* extension : {"pdf", "PDF", "pdf", "fdf"}) viewer.AddExtension(extension);
    EXPECT_EQ(std::vector<std::string>(viewer.Extensions().begin(), viewer.Extensions().end()),
              (std::vector<std::string>{"PDF", "fdf", "pdf"}));
    EXPECT_TRUE(viewer.HasExtension("PDF"));
    EXPECT_FALSE(viewer.HasExtension("Pdf"));
}

TEST(ViewerRecord, DisplayTextListsTheExtensions) {
    CSettingsViewer viewer("unused");
    viewer.SetName("Reader");
    EXPECT_EQ(viewer.DisplayText(), "Reader ()");
    viewer.AddExtension("pdf");
    viewer.AddExtension("fdf");
    EXPECT_EQ(viewer.DisplayText(), "Reader (*.fdf; *.pdf)");
}

TEST(ViewerRecord, SavesInstallKeysThenExtensionsThenTheirCount) {
    TempDir dir;
    CSettingsViewer viewer(dir.Path());
    viewer.SetDirectoryName("Reader");
    viewer.SetName("Reader");
    viewer.File = "\\Viewers\\setup.exe";
    viewer.AddExtension("pdf");
    viewer.AddExtension("fdf");
    viewer.Save();
    const std::string file = JoinPath(dir.File("Reader"), "Attributes.ini");
    EXPECT_EQ(SectionKeys(file, "Viewer"),
              (std::vector<std::string>{"SettingType", "Name", "File", "Parameters", "When", "WhenViewer", "Version",
                                        "FileExtension", "Prompt", "Message", "Skip", "LaunchAndWait",
                                        "FileExtension1", "FileExtension2", "FileExtensionCount"}));

    CSettingsViewer loaded(dir.Path());
    loaded.SetDirectoryName("Reader");
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.GetName(), "Reader");
    EXPECT_EQ(loaded.File, "\\Viewers\\setup.exe");
    EXPECT_EQ(loaded.DisplayText(), "Reader (*.fdf; *.pdf)");
    EXPECT_EQ(loaded.SettingType(), 8);
    EXPECT_EQ(loaded.Clone()->GetSection(), "Viewer");
}

TEST(ViewerRecord, MissingOrCraftedExtensionKeysAreBounded) {
    TempDir dir;
    struct Case { const char* keys; std::vector<std::string> extensions; };
    const Case cases[] = {
        {"FileExtensionCount=3\r\nFileExtension1=pdf\r\nFileExtension3=fdf\r\n", {"fdf", "pdf"}},
        {"FileExtensionCount=2\r\n", {}},
        {"FileExtensionCount=-5\r\nFileExtension1=pdf\r\n", {}},
        {"FileExtensionCount=2147483647\r\nFileExtension1=pdf\r\n", {"pdf"}},
    };
    for (const Case& c : cases) {
        std::filesystem::create_directories(dir.File("V"));
        dir.Write(JoinPath("V", "Attributes.ini"), std::string("[Viewer]\r\nName=X\r\n") + c.keys);
        CSettingsViewer viewer(dir.Path());
        viewer.SetDirectoryName("V");
        ASSERT_TRUE(viewer.Load()) << c.keys;
        EXPECT_EQ(std::vector<std::string>(viewer.Extensions().begin(), viewer.Extensions().end()), c.extensions)
            << c.keys;
        EXPECT_EQ(viewer.DisplayText().find("*.;"), std::string::npos);
    }
}

TEST(ViewerRecord, NewViewerTakesTheFirstFreeFolderName) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("Viewers1"));
    CSettingsViewer viewer(dir.Path());
    EXPECT_EQ(viewer.GetDirectoryPath(), dir.File("Viewers2"));
    EXPECT_EQ(viewer.GetDirectoryName(), "Viewers2");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Viewers2")));
    EXPECT_EQ(viewer.GetDirectoryPath(), dir.File("Viewers2"));  // keeps its folder

    CSettingsViewer next(dir.Path());
    EXPECT_EQ(next.GetDirectoryPath(), dir.File("Viewers3"));
}

}  // namespace
