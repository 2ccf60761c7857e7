// The common dialogs answer what the user chose, or nothing when cancelled.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CommonDialogs.h"
#include "DialogDriver.h"

namespace {

// The explorer-style file dialog's name box.
constexpr int kFileNameBox = 0x047C;

TEST(CommonDialogs, FiltersBecomeThePlatformsZeroSeparatedList) {
    using namespace std::string_literals;
    EXPECT_EQ(wingui::PlatformFilter("Pictures (*.bmp)|*.bmp|All Files (*.*)|*.*|"),
              "Pictures (*.bmp)\0*.bmp\0All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(wingui::PlatformFilter("Text|*.txt"), "Text\0*.txt\0\0"s);
}

TEST(CommonDialogs, TheOpenDialogAnswersTheFileNamedAndNothingWhenCancelled) {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "mw-framework-open";
    std::filesystem::create_directories(directory);
    std::ofstream(directory / "Picture.bmp") << "x";
    const std::string file = (directory / "Picture.bmp").string();

    wingui::FileDialogOptions options;
    options.filter = "Pictures (*.bmp)|*.bmp|";
    options.initialDirectory = directory.string();
    options.title = "Pick a picture";
    testwin::CDialogDriver chooser([file](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Pick a picture");
        ASSERT_NE(dialog, nullptr);
        SetDlgItemTextA(dialog, kFileNameBox, file.c_str());
        testwin::Click(dialog, IDOK);
    });
    const auto chosen = wingui::ChooseFileToOpen(nullptr, options);
    chooser.Finish();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(std::filesystem::equivalent(*chosen, file));

    testwin::CDialogDriver canceller([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", "Pick a picture");
        ASSERT_NE(dialog, nullptr);
        testwin::Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(wingui::ChooseFileToOpen(nullptr, options).has_value());
    canceller.Finish();
    std::filesystem::remove_all(directory);
}

TEST(CommonDialogs, TheColourDialogAnswersTheColourItWasGivenWhenConfirmed) {
    testwin::CDialogDriver confirm([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", nullptr);
        ASSERT_NE(dialog, nullptr);
        testwin::Click(dialog, IDOK);
    });
    const auto colour = wingui::ChooseColour(nullptr, RGB(12, 34, 56));
    confirm.Finish();
    ASSERT_TRUE(colour.has_value());
    EXPECT_EQ(*colour, RGB(12, 34, 56));

    testwin::CDialogDriver cancel([](DWORD main) {
        HWND dialog = testwin::WaitForThreadWindow(main, "#32770", nullptr);
        ASSERT_NE(dialog, nullptr);
        testwin::Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(wingui::ChooseColour(nullptr, RGB(1, 2, 3)).has_value());
    cancel.Finish();
}

}  // namespace
