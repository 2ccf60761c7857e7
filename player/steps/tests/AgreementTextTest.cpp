// Reading the license agreement: block-wise, each block up to its first zero
// byte, bytes as stored; and no text at all when the file cannot be read.
#include "license/AgreementText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

class AgreementFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        dir_ = std::filesystem::temp_directory_path() / ("mw-agreement-" + std::to_string(seed()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string Write(const std::string& bytes) {
        const std::string path = (dir_ / "License.txt").string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path dir_;
};

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = char('a' + i % 26);
    return bytes;
}

}  // namespace

TEST_F(AgreementFile, EachBlockEndsAtItsFirstZeroByte) {
    std::string bytes = Pattern(2500);
    bytes[100] = '\0';
    std::string text = "old";
    ASSERT_EQ(ReadAgreementFile(Write(bytes), text), AgreementRead::kRead);
    EXPECT_EQ(text, bytes.substr(0, 100) + bytes.substr(1024));
    EXPECT_EQ(text.size(), 100u + 1476u);
}

TEST_F(AgreementFile, ZeroBytesAtBlockEdges) {
    struct Case {
        std::size_t zeroAt;
        std::size_t size;
    };
    for (const Case c : {Case{0, 1500}, Case{1023, 1500}, Case{1024, 1500}, Case{2047, 2048}}) {
        std::string bytes = Pattern(c.size);
        bytes[c.zeroAt] = '\0';
        const std::size_t blockStart = c.zeroAt / 1024 * 1024;
        const std::size_t blockEnd = std::min(blockStart + 1024, c.size);
        const std::string expected = bytes.substr(0, c.zeroAt) + bytes.substr(blockEnd);
        std::string text;
        ASSERT_EQ(ReadAgreementFile(Write(bytes), text), AgreementRead::kRead);
        EXPECT_EQ(text, expected) << "zero at " << c.zeroAt;
    }
}

TEST_F(AgreementFile, BytesAreShownAsStored) {
    const std::string rtf = "{\\rtf1\\ansi First line\\par}\r\nSecond \xE9 line\r\n\tend";
    std::string text;
    ASSERT_EQ(ReadAgreementFile(Write(rtf), text), AgreementRead::kRead);
    EXPECT_EQ(text, rtf);

    ASSERT_EQ(ReadAgreementFile(Write(""), text), AgreementRead::kRead);
    EXPECT_EQ(text, "");
}

TEST_F(AgreementFile, UnreadableFileLeavesNoTextToAccept) {
    std::string text = "untouched";
    EXPECT_EQ(ReadAgreementFile((dir_ / "missing.txt").string(), text), AgreementRead::kCannotOpen);
    EXPECT_EQ(text, "untouched");

    // A directory where the file should be: it cannot be opened on Windows
    // and opens but cannot be read elsewhere.
    std::filesystem::create_directories(dir_ / "License.rtf");
    const AgreementRead result = ReadAgreementFile((dir_ / "License.rtf").string(), text);
    EXPECT_TRUE(result == AgreementRead::kCannotOpen || result == AgreementRead::kCannotRead);
    EXPECT_EQ(text, "untouched");
}

TEST_F(AgreementFile, OversizedFileIsRefusedNotCut) {
    std::string text = "untouched";
    EXPECT_EQ(ReadAgreementFile(Write(std::string(kAgreementMaxBytes + 1, 'x')), text), AgreementRead::kTooLarge);
    EXPECT_EQ(text, "untouched");
    ASSERT_EQ(ReadAgreementFile(Write(std::string(kAgreementMaxBytes, 'x')), text), AgreementRead::kRead);
    EXPECT_EQ(text.size(), kAgreementMaxBytes);
}
