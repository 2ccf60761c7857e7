#include <gtest/gtest.h>

#include "BurnTexts.h"

namespace {

TEST(BurnTexts, TheClientNameTakesOnlyWhatAWriterAccepts) {
    EXPECT_TRUE(IsValidClientName(kBurnClientName));
    EXPECT_TRUE(IsValidClientName("Menuwright 3.0, disc_1; E:-."));
    EXPECT_TRUE(IsValidClientName(std::string(63, 'a')));
    EXPECT_FALSE(IsValidClientName(std::string(64, 'a')));
    EXPECT_FALSE(IsValidClientName(""));
    EXPECT_FALSE(IsValidClientName("Burn/CD"));
    EXPECT_FALSE(IsValidClientName("Burn\xE9"));
}

TEST(BurnTexts, TimesAreMinutesAndSeconds) {
    EXPECT_EQ(BurnTimeText(0), "0:00");
    EXPECT_EQ(BurnTimeText(-3), "0:00");
    EXPECT_EQ(BurnTimeText(5), "0:05");
    EXPECT_EQ(BurnTimeText(754), "12:34");
    EXPECT_EQ(BurnTimeText(6000), "100:00");
}

TEST(BurnTexts, TheMediaQuestionNamesThePresetAndTheMediaInTheDrive) {
    EXPECT_EQ(MediaQuestionText(kPresetDvd, 14),
              "The media type selected does not match the media currently in the drive.\n\n"
              "\tSelected Media Type: 4.7GB DVD Media\n\tCurrent Media Type:  HD DVD-ROM\n\n"
              "Do you want to continue attempting to burn the CD/DVD?");
    EXPECT_NE(MediaQuestionText(kPresetCd, 6).find("700MB CD Media\n\tCurrent Media Type:  DVD+R\n"), std::string::npos);
    struct Case {
        int type;
        MediaPreset preset;
        bool fits;
    };
    const Case cases[] = {{2, kPresetCd, true}, {6, kPresetCd, false}, {6, kPresetDvd, true},
                          {8, kPresetDvd, false}, {13, kPresetDualLayer, true}, {14, kPresetDvd, false}};
    for (const Case& c : cases) EXPECT_EQ(MediaFitsPreset(c.type, c.preset), c.fits) << c.type << " " << c.preset;
}

TEST(BurnTexts, WriteFiguresAsPercentagesOrTheirEmptyWords) {
    EXPECT_EQ(BufferText(40, 100), "Buffer: 40%");
    EXPECT_EQ(BufferText(0, 100), "Buffer Empty");
    EXPECT_EQ(BufferText(10, 0), "Buffer Empty");
    EXPECT_EQ(ProgressPercentText(250, 1000), "Progress: 25%");
    EXPECT_EQ(ProgressPercentText(0, 1000), "Progress");
    EXPECT_EQ(ProgressPercentText(2000000, 2295104), "Progress: 87%");
    EXPECT_EQ(WriteActionText(5), "Finalizing writing...");
    EXPECT_EQ(WriteActionText(4), "");
}

TEST(BurnTexts, EveryFinishButSuccessAndTheUsersChoiceIsReported) {
    EXPECT_EQ(FinishMessage(kFinishFailedWithReason, "No device selected."), "Burn Failed: No device selected.");
    EXPECT_EQ(FinishMessage(kFinishFailedWithText, "Unable to find CD/DVD."), "Burn Failed: Unable to find CD/DVD.");
    EXPECT_FALSE(FinishMessage(kFinishUserChoice, ""));
    EXPECT_FALSE(FinishMessage(kFinishSucceeded, ""));
    EXPECT_NE(FinishMessage(kFinishNoImapi, "")->find("(IMAPI v2)\" is installed correctly."), std::string::npos);
    EXPECT_EQ(FinishMessage(kFinishFailed, "Unable to create the file system."),
              "Burn Failed: Please ensure that there is a blank CD/DVD in the selected disk drive.");
}

TEST(BurnTexts, EngineFailuresCarryTheirCodes) {
    EXPECT_EQ(WithCode("Unable to Initialize IDiscMaster2 - Error:0x%08x", 0x80040154u),
              "Unable to Initialize IDiscMaster2 - Error:0x80040154");
    EXPECT_EQ(WithNumber("Error %d", -2147467259), "Error -2147467259");
    EXPECT_EQ(WriterEntryText({"E:\\", "F:\\"}, "DVD-RW 1234"), "E:\\,F:\\ [DVD-RW 1234]");
}

TEST(BurnTexts, LongNamesKeepTheirExtensionWithin108Characters) {
    const std::string name = std::string(120, 'n') + ".pdf";
    const std::string shortened = ShortenImageName(name);
    EXPECT_EQ(shortened.size(), 108u);
    EXPECT_EQ(shortened.substr(104), ".pdf");
    EXPECT_EQ(ShortenImageName("Readme.txt"), "Readme.txt");
    EXPECT_EQ(ShortenImageName(std::string(110, 'x')), std::string(108, 'x'));
}

TEST(BurnTexts, TheOlderEngineShowsAStatusOnlyWhenItChanges) {
    EXPECT_EQ(LegacyStatusOf(17, "")->text, "Burning...");
    EXPECT_EQ(LegacyStatusOf(17, "")->step, 3);
    EXPECT_EQ(LegacyStatusOf(14, "Setup.exe")->text, "Copying: Setup.exe");
    EXPECT_EQ(LegacyStatusOf(14, "Setup.exe")->step, 0);
    EXPECT_FALSE(LegacyStatusOf(13, ""));
    LegacyStatusFilter filter;
    EXPECT_TRUE(filter.IsNew(14, 1, "a.txt"));
    EXPECT_FALSE(filter.IsNew(14, 2, "a.txt")) << "same code and name";
    EXPECT_FALSE(filter.IsNew(14, 2, "b.txt")) << "same code and figure";
    EXPECT_TRUE(filter.IsNew(14, 3, "c.txt"));
    EXPECT_TRUE(filter.IsNew(9, 3, "c.txt")) << "another code";
}

}  // namespace
