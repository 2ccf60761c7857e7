// "Save Disc Image..." on a project tree of about 2 GB in mixed sizes: the
// export as the designer runs it (scan, write to "<target>.part", rename),
// with the process's peak working set. Makes the tree below the directory
// given (once). A second, small tree shows that the memory does not grow
// with the project: the image is streamed, never held. bench/run-image-export
// sets the time against genisoimage -J of the same tree.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DiscImageExport.h"
#include "PeakMemory.h"
#include "Stopwatch.h"

namespace {

struct FileGroup {
    int count;
    std::size_t size;
};

void WriteFileOfSize(const std::string& path, std::size_t size, std::vector<char>& pattern) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    for (std::size_t left = size; left > 0;) {
        const DWORD piece = DWORD(std::min(left, pattern.size()));
        DWORD written = 0;
        WriteFile(file, pattern.data(), piece, &written, nullptr);
        left -= piece;
        pattern[left % pattern.size()] ^= char(left);  // no two files alike
    }
    CloseHandle(file);
}

void MakeTree(const std::string& root, const std::vector<FileGroup>& groups) {
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string marker = root + "\\complete";
    if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    std::vector<char> pattern(1 << 20);
    for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = char(i * 2654435761u >> 13);
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const std::string folder = root + "\\Group" + std::to_string(group);
        CreateDirectoryA(folder.c_str(), nullptr);
        for (int file = 0; file < groups[group].count; ++file) {
            const std::string sub = folder + "\\Part" + std::to_string(file / 100);
            CreateDirectoryA(sub.c_str(), nullptr);
            WriteFileOfSize(sub + "\\File" + std::to_string(file) + ".dat", groups[group].size, pattern);
        }
    }
    CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

double ExportMs(const std::string& tree, const std::string& target) {
    bool written = false;
    const double ms = TimeMs([&] {
        written = ExportDiscImage(tree, "BENCH", target, nullptr).result == ImageResult::kWritten;
    });
    if (!written) std::fprintf(stderr, "the export of %s failed\n", tree.c_str());
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: image_export_bench <large|small> <tree> <target.iso>\n");
        return 2;
    }
    const bool large = std::string(argv[1]) == "large";
    const std::vector<FileGroup> groups =
        large ? std::vector<FileGroup>{{5, 300u << 20}, {80, 5u << 20}, {1000, 100u << 10}, {5000, 2u << 10}}
              : std::vector<FileGroup>{{1, 10u << 20}, {8, 1u << 20}, {50, 20u << 10}};
    MakeTree(argv[2], groups);
    const double ms = ExportMs(argv[2], argv[3]);
    std::printf("export %.0f ms peak-working-set %.0f MB\n", ms, PeakWorkingSetMb(GetCurrentProcess()));
    return 0;
}
