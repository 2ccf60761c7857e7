#include <gtest/gtest.h>

#include <set>

#include "ProjectNames.h"

namespace {

TEST(ProjectNames, NamesAreCheckedForLengthAndForDuplicatesInAnyCase) {
    const std::vector<std::string> others{"Holiday Disc", "Demo"};
    struct Case {
        std::string name;
        ProjectNameProblem problem;
    };
    const Case cases[] = {
        {std::string(30, 'x'), ProjectNameProblem::kNone},
        {std::string(31, 'x'), ProjectNameProblem::kTooLong},
        {"holiday disc", ProjectNameProblem::kTaken},
        {"DEMO", ProjectNameProblem::kTaken},
        {"Demo 2", ProjectNameProblem::kNone},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckProjectName(c.name, others), c.problem) << c.name;
    EXPECT_EQ(TrimBlanks("  Holiday Disc \t"), "Holiday Disc");
}

TEST(ProjectNames, DirectoriesGetADriveAndBackslashes) {
    struct Case {
        const char* typed;
        const char* normalised;
    };
    const Case cases[] = {
        {"Disc1", "C:\\My CD Images\\Disc1"},
        {"\\Discs\\Disc1", "C:\\Discs\\Disc1"},
        {"E:/a/b", "E:\\a\\b"},
        {"\\\\server\\share\\disc", "\\\\server\\share\\disc"},
        {"//server/share", "\\\\server\\share"},
        {"D:", "D:"},
    };
    for (const Case& c : cases) EXPECT_EQ(NormaliseProjectDirectory(c.typed), c.normalised) << c.typed;
}

TEST(ProjectNames, ACopyIsNamedCopyOfWithinTheLongestName) {
    EXPECT_EQ(CopyNameFor("Demo"), "Copy of Demo");
    const std::string twentyFive = "abcdefghijklmnopqrstuvwxy";
    EXPECT_EQ(CopyNameFor(twentyFive), "Copy of " + twentyFive.substr(0, 22));
    EXPECT_EQ(CopyNameFor(twentyFive).size(), kMaxProjectNameLength);
}

TEST(ProjectNames, InformationDirectoriesAreValidNamesWithNineSpares) {
    const auto candidates = InformationDirectoryCandidates("a|b?");
    ASSERT_EQ(candidates.size(), 10u);
    EXPECT_EQ(candidates[0], "a_b");
    EXPECT_EQ(candidates[1], "a_b1");
    EXPECT_EQ(candidates[9], "a_b9");
    EXPECT_EQ(InformationDirectoryCandidates("C:\\x/y*<>")[0], "Cxy");
}

TEST(ProjectNames, OnlyOnePlainNameBelowTheBaseCountsAsAnInformationDirectory) {
    for (const char* unsafe : {"", ".", "..", "...", "a\\b", "a/b", "C:", "C:x", "\\\\server", "x.", "x ", "a?b"}) {
        EXPECT_FALSE(IsSafeInformationDirectoryName(unsafe)) << unsafe;
    }
    for (const char* safe : {"Demo", "a_b", "Holiday Disc 2", ".hidden"}) {
        EXPECT_TRUE(IsSafeInformationDirectoryName(safe)) << safe;
    }
}

TEST(ProjectNames, ADirectoryAnotherProjectUsesIsNeverTaken) {
    // "Demo" was renamed in Edit Project and kept its directory "Demo"; a new
    // project named Demo must not write into it.
    const std::vector<std::string> used{"demo", "Demo1"};
    std::set<std::string> tried;
    const std::string chosen = ChooseInformationDirectoryName("Demo", used, [&](const std::string& name) {
        tried.insert(name);
        return true;
    });
    EXPECT_EQ(chosen, "Demo2");
    EXPECT_EQ(tried, std::set<std::string>{"Demo2"});

    // None usable: nothing is chosen.
    EXPECT_EQ(ChooseInformationDirectoryName("Demo", {}, [](const std::string&) { return false; }), "");
    // The first candidate that can be made wins.
    EXPECT_EQ(ChooseInformationDirectoryName("Demo", {}, [](const std::string& name) { return name == "Demo4"; }),
              "Demo4");
}

}  // namespace

namespace {

TEST(ProjectNames, TheDirectoryBoxFollowsTheNameUntilTheAuthorTypesOne) {
    const std::string base = "C:\\My CD Images\\";
    EXPECT_EQ(DirectoryFollowingName("", base, "", "D"), base + "D");
    EXPECT_EQ(DirectoryFollowingName(base + "D", base, "D", "De"), base + "De");
    EXPECT_EQ(DirectoryFollowingName("c:\\my cd images\\de", base, "De", "Demo "), base + "Demo");
    EXPECT_EQ(DirectoryFollowingName("E:\\Elsewhere", base, "Demo", "Demo 2"), "E:\\Elsewhere");
}

TEST(ProjectNames, NewProjectsAreProposedBelowMyCdImages) {
    const auto always = [](const std::string&) { return true; };
    EXPECT_EQ(DefaultImageBaseDirectory("", true, always), "D:\\My CD Images\\");
    EXPECT_EQ(DefaultImageBaseDirectory("", false, always), "C:\\My CD Images\\");
    EXPECT_EQ(DefaultImageBaseDirectory("F:\\Discs", true, always), "F:\\Discs\\");
    EXPECT_EQ(DefaultImageBaseDirectory("Q:\\Gone\\", true, [](const std::string& path) { return path[0] != 'Q'; }),
              "C:\\My CD Images\\");
}

}  // namespace
