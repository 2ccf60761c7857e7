// A settings file held in memory: nested sessions write the file once, at
// the end of the outermost; a failed write is reported; reads before and
// after the session go to the file itself.
#include <gtest/gtest.h>

#include "../TempDir.h"
#include "DiscSettings.h"
#include "profile/FileSession.h"
#include "profile/PrivateProfile.h"

TEST(FileSession, NestedSessionsWriteTheFileOnceAtTheOutermostEnd) {
    TempDir dir;
    const std::string file = dir.Write("Settings.ini", "[General]\r\nLabel=OLD\r\n");
    {
        profile::FileSession outer(file);
        {
            profile::FileSession inner(file);
            EXPECT_TRUE(profile::WriteValue(file, "General", "Label", "NEW"));
            EXPECT_TRUE(inner.Commit());
            EXPECT_EQ(dir.Read("Settings.ini"), "[General]\r\nLabel=OLD\r\n") << "the inner session wrote the file";
        }
        EXPECT_EQ(profile::ReadValue(file, "general", "label"), "NEW");
        EXPECT_TRUE(outer.Commit());
        EXPECT_EQ(dir.Read("Settings.ini"), "[General]\r\nLabel=NEW\r\n");
        // What another program writes meanwhile is not seen until the session ends.
        dir.Write("Settings.ini", "[General]\r\nLabel=OUTSIDE\r\n");
        EXPECT_EQ(profile::ReadValue(file, "General", "Label"), "NEW");
    }
    EXPECT_EQ(profile::ReadValue(file, "General", "Label"), "OUTSIDE");
}

TEST(FileSession, AFileThatCannotBeWrittenIsReportedAndKeepsItsChanges) {
    TempDir dir;
    const std::string file = dir.File("absent/Settings.ini");
    profile::FileSession session(file);
    EXPECT_TRUE(profile::WriteValue(file, "S", "k", "v"));
    EXPECT_FALSE(session.Commit());
    EXPECT_EQ(profile::ReadValue(file, "S", "k"), "v");
}

TEST(FileSession, AWriteOfAnUnchangedValueCreatesAMissingFileButLeavesAnExistingOneAlone) {
    TempDir dir;
    const std::string missing = dir.File("New.ini");
    {
        profile::FileSession session(missing);
        EXPECT_EQ(profile::ReadValue(missing, "S", "k"), "");
        profile::WriteValue(missing, "S", "k", "v");
    }
    EXPECT_EQ(dir.Read("New.ini"), "[S]\r\nk=v\r\n");
    const std::string existing = dir.Write("Old.ini", "[S]\n\nk=v\n");
    {
        profile::FileSession session(existing);
        profile::WriteValue(existing, "S", "k", "v");
    }
    EXPECT_EQ(dir.Read("Old.ini"), "[S]\n\nk=v\n");
}

// A disc of the largest size the list allows, over 1 MB, loads whole from
// one read of the file (its time is in bench/run-settings-load).
TEST(FileSession, TheLargestDiscLoadsWhole) {
    TempDir dir;
    std::string text = "[General]\r\nVersion=3\r\n[Root]\r\nSettingsCount=4096\r\n";
    for (int i = 1; i <= 4096; ++i) {
        text += "[Root." + std::to_string(i) + "]\r\nSettingType=3\r\nName=Step " + std::to_string(i) +
                "\r\nFile=\\Docs\\Manual" + std::to_string(i) + ".pdf\r\nLaunchType=1\r\nLaunchCmd=open\r\n"
                "Maximize=true\r\nLaunchAndWait=false\r\nMessageText=Padding padding padding padding padding padding padding\r\n"
                "MessageCaption=Caption\r\nRunOnce=false\r\n";
    }
    ASSERT_GT(text.size(), 1000000u);
    const std::string file = dir.Write("Settings.ini", text);
    CDiscSettings disc;
    disc.SetFileName(file);
    disc.Load();
    ASSERT_EQ(disc.RootList.Count(), 4096);
    EXPECT_EQ(disc.RootList.GetAt(4095)->GetName(), "Step 4096");
}
