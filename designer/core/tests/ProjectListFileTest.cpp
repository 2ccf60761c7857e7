#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "ProjectListFile.h"

namespace {

class ProjectListFile : public testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        directory_ = std::filesystem::temp_directory_path() / ("mw-projects-" + std::to_string(seed()));
        std::filesystem::create_directories(directory_);
        path_ = (directory_ / "Projects.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }
    void Write(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path directory_;
    std::string path_;
};

TEST_F(ProjectListFile, ReadingStopsAtTheFirstGapAndSkipsEntriesWithoutDirectory) {
    Write("[General]\r\nCurrent=2\r\nCdID=17\r\nViewMode=2\r\n"
          "[1]\r\nName=First\r\nDirectory=First\r\n"
          "[2]\r\nName=Broken\r\n"
          "[3]\r\nName=Third\r\nDirectory=Third1\r\n"
          "[5]\r\nName=Beyond the gap\r\nDirectory=Beyond\r\n");
    const ProjectListRead read = ReadProjectList(path_);
    const ProjectListContents& list = read.contents;
    EXPECT_EQ(list.current, "2");
    EXPECT_EQ(list.discNumberCounter, 17);
    EXPECT_EQ(list.viewMode, 2);
    ASSERT_EQ(list.projects.size(), 2u);
    EXPECT_EQ(list.projects[0].name, "First");
    EXPECT_EQ(list.projects[1].name, "Third");
    EXPECT_EQ(list.projects[1].directory, "Third1");
    EXPECT_EQ(read.sections, (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(list.skipped, std::vector<std::string>{"Broken"});
}

TEST_F(ProjectListFile, SectionsOneTwoAndFourLoadOnlyTheFirstTwo) {
    Write("[1]\r\nName=A\r\nDirectory=A\r\n[2]\r\nName=B\r\nDirectory=B\r\n[4]\r\nName=D\r\nDirectory=D\r\n");
    const ProjectListRead read = ReadProjectList(path_);
    ASSERT_EQ(read.contents.projects.size(), 2u);
    EXPECT_EQ(read.contents.viewMode, 1);
    EXPECT_EQ(read.contents.current, "");
}

TEST_F(ProjectListFile, WritingRecreatesTheFileWithTheListInOrder) {
    Write("[General]\r\nViewMode=2\r\n[9]\r\nName=Old\r\nDirectory=Old\r\n");
    ASSERT_TRUE(WriteProjectList(path_, {{"Demo", "Demo"}, {"a|b?", "a_b"}}, 2, 41));
    const ProjectListRead read = ReadProjectList(path_);
    ASSERT_EQ(read.contents.projects.size(), 2u);
    EXPECT_EQ(read.contents.projects[1].name, "a|b?");
    EXPECT_EQ(read.contents.projects[1].directory, "a_b");
    EXPECT_EQ(read.contents.current, "2");
    EXPECT_EQ(read.contents.discNumberCounter, 41);
    const std::string text = Read();
    EXPECT_EQ(text.find("Old"), std::string::npos);
    EXPECT_EQ(text.find("ViewMode"), std::string::npos);

    // No current project: no "Current" at all.
    ASSERT_TRUE(WriteProjectList(path_, {{"Demo", "Demo"}}, -1, 41));
    EXPECT_EQ(Read().find("Current"), std::string::npos);
}

TEST_F(ProjectListFile, AListThatCannotBeWrittenSaysSo) {
    EXPECT_FALSE(WriteProjectList((directory_ / "missing" / "Projects.ini").string(), {{"A", "A"}}, 1, 0));
}

}  // namespace
