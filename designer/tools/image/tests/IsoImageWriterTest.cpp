// The image writer against isoinfo, which reads what it wrote as any disc
// reader would: the volume, both trees, the names and the files' bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "IsoImageWriter.h"
#include "IsoNames.h"

namespace {

namespace fs = std::filesystem;

const ImageTime kTime{2026, 12, 11, 9, 30, 15};

class StreamFiles : public IImageFiles {
public:
    bool Open(const std::string& source) override {
        file_.open(source, std::ios::binary);
        return bool(file_);
    }
    long long Read(void* buffer, std::size_t size) override {
        file_.read(static_cast<char*>(buffer), std::streamsize(size));
        return file_.bad() ? -1 : file_.gcount();
    }
    void Close() override { file_.close(); }

private:
    std::ifstream file_;
};

class StringSink : public IImageSink {
public:
    bool Write(const void* data, std::size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
        return true;
    }
    std::string bytes;
};

ImageEntry Scan(const fs::path& directory) {
    ImageEntry entry;
    entry.name = directory.filename().string();
    entry.directory = true;
    entry.modified = kTime;
    for (const auto& child : fs::directory_iterator(directory)) {
        if (child.is_directory()) {
            entry.children.push_back(Scan(child.path()));
        } else {
            ImageEntry file;
            file.name = child.path().filename().string();
            file.size = child.file_size();
            file.modified = kTime;
            file.source = child.path().string();
            entry.children.push_back(file);
        }
    }
    return entry;
}

std::string Output(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, read);
    pclose(pipe);
    return output;
}

class IsoImageWriterTest : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(root_);
        fs::create_directories(project_ / "Docs" / "Deep" / "Deeper");
        Write(project_ / "Readme.txt", "Read me first.\r\n");
        Write(project_ / "Docs" / "Guide.pdf", std::string(5000, 'g') + "end");
        Write(project_ / "Docs" / "Deep" / "Deeper" / "empty.dat", "");
        Write(project_ / (longName_ + ".txt"), "a long name");
        Write(project_ / "Document one.txt", "one");
        Write(project_ / "Document two.txt", "two");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void Write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

    std::string WriteImage(const std::string& name) {
        StreamFiles files;
        StringSink sink;
        ImageOptions options{"Spring Catalogue", kTime, {}};
        EXPECT_EQ(WriteIsoImage(Scan(project_), options, files, sink).result, ImageResult::kWritten);
        const std::string path = (root_ / name).string();
        std::ofstream(path, std::ios::binary) << sink.bytes;
        EXPECT_EQ(sink.bytes.size(), IsoImageSize(Scan(project_)));
        return path;
    }

    fs::path root_ = fs::temp_directory_path() / "mw-iso-test";
    fs::path project_ = root_ / "Project";
    std::string longName_ = std::string(104, 'L');  // 108 characters with ".txt"
};

TEST_F(IsoImageWriterTest, IsoinfoReadsTheVolumeBothTreesAndTheFiles) {
    // isoinfo is the Linux side's reader; the Windows build of these tests has none.
    if (Output("command -v isoinfo").empty()) GTEST_SKIP() << "isoinfo is not installed";
    const std::string image = WriteImage("disc.iso");
    const std::string volume = Output("isoinfo -d -i " + image);
    EXPECT_NE(volume.find("Volume id: SPRING_CATALOGUE"), std::string::npos) << volume;
    EXPECT_NE(volume.find("Joliet with UCS level 3 found"), std::string::npos) << volume;
    EXPECT_NE(volume.find("Logical block size is: 2048"), std::string::npos) << volume;

    const std::string joliet = Output("isoinfo -J -f -i " + image);
    EXPECT_NE(joliet.find("/Docs/Deep/Deeper\n"), std::string::npos) << joliet;
    const std::vector<std::string> paths = {"/Readme.txt",        "/Docs/Guide.pdf",  "/Docs/Deep/Deeper/empty.dat",
                                            "/" + longName_ + ".txt", "/Document one.txt", "/Document two.txt"};
    for (const std::string& path : paths) {
        // Joliet file names carry the version ";1", which Windows does not show.
        EXPECT_NE(joliet.find(path + ";1\n"), std::string::npos) << path << " in\n" << joliet;
    }
    const std::string plain = Output("isoinfo -f -i " + image);
    EXPECT_NE(plain.find("/README.TXT;1\n"), std::string::npos) << plain;
    EXPECT_NE(plain.find("/DOCUMENT.TXT;1\n"), std::string::npos) << plain;
    EXPECT_NE(plain.find("/DOCUME_1.TXT;1\n"), std::string::npos) << "8.3 names stay unique\n" << plain;
    EXPECT_NE(plain.find("/DOCS/DEEP/DEEPER/EMPTY.DAT;1\n"), std::string::npos) << plain;

    EXPECT_EQ(Output("isoinfo -J -x '/Docs/Guide.pdf;1' -i " + image), std::string(5000, 'g') + "end");
    EXPECT_EQ(Output("isoinfo -J -x '/Readme.txt;1' -i " + image), "Read me first.\r\n");
    EXPECT_EQ(Output("isoinfo -x '/DOCUME_1.TXT;1' -i " + image), "two");
}

TEST_F(IsoImageWriterTest, TheSameTreeAndTimesGiveTheSameBytes) {
    std::ifstream first(WriteImage("first.iso"), std::ios::binary);
    std::ifstream second(WriteImage("second.iso"), std::ios::binary);
    std::stringstream a, b;
    a << first.rdbuf();
    b << second.rdbuf();
    EXPECT_EQ(a.str(), b.str());
    EXPECT_EQ(a.str().size() % 2048, 0u);
}

TEST_F(IsoImageWriterTest, AFileOf4GiBIsRefusedBeforeAnythingIsWrittenAndCancelStops) {
    ImageEntry tree = Scan(project_);
    ImageEntry huge;
    huge.name = "Movie.mpg";
    huge.size = kMaxImageFileSize + 1;
    huge.source = "C:\\Disc\\Movie.mpg";
    tree.children.push_back(huge);
    StreamFiles files;
    StringSink sink;
    const ImageOutcome refused = WriteIsoImage(tree, ImageOptions{"Big", kTime, {}}, files, sink);
    EXPECT_EQ(refused.result, ImageResult::kFileTooLarge);
    EXPECT_EQ(refused.file, "C:\\Disc\\Movie.mpg");
    EXPECT_TRUE(sink.bytes.empty());

    int calls = 0;
    ImageOptions cancelling{"Stop", kTime, [&calls](std::uint64_t, std::uint64_t) { return ++calls < 2; }};
    EXPECT_EQ(WriteIsoImage(Scan(project_), cancelling, files, sink).result, ImageResult::kCancelled);
    EXPECT_EQ(calls, 2);
}

TEST(IsoNames, NamesAreMadeSafeAndUniqueForBothTrees) {
    const auto iso = IsoNamesFor({"setup.exe", "Setup.EXE", "my file.tar.gz", "folder.name"}, {false, false, false, true});
    EXPECT_EQ(iso, (std::vector<std::string>{"SETUP.EXE;1", "SETUP_1.EXE;1", "MY_FILE_.GZ;1", "FOLDER_N"}));
    const auto joliet = JolietNamesFor({"a;b.txt", std::string(120, 'x') + ".pdf"}, {false, false});
    EXPECT_EQ(joliet[0], u"a_b.txt");
    EXPECT_EQ(joliet[1].size(), kMaxJolietName);
    EXPECT_EQ(joliet[1].substr(joliet[1].size() - 4), u".pdf");
    EXPECT_EQ(WindowsTextToUcs2("\x80 caf\xE9"), u"\u20AC caf\u00E9");
}

}  // namespace
