// The burn dialog's Recalculate: the size of every file below the project
// directory, summed in 64 bits, on a tree of 100,000 small files in 1,000
// folders. Makes the tree below the directory given (once), then prints the
// median time of the sum; bench/run-designer compares it with du -sb of the
// same tree on the Linux side.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FileUtil.h"
#include "Stopwatch.h"

namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

void MakeTree(const std::string& root) {
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string marker = root + "\\complete";
    if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    for (int folder = 0; folder < kFolders; ++folder) {
        const std::string directory = root + "\\Folder" + std::to_string(folder);
        CreateDirectoryA(directory.c_str(), nullptr);
        for (int file = 0; file < kFilesPerFolder; ++file) {
            const std::string path = directory + "\\File" + std::to_string(file) + ".txt";
            HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            WriteFile(handle, "small file\r\n", 12, &written, nullptr);
            CloseHandle(handle);
        }
    }
    CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: recalculate_bench <directory> [rounds]\n");
        return 2;
    }
    const std::string root = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    MakeTree(root);
    std::uint64_t total = 0;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) times.push_back(TimeMs([&] { total = DirectorySize(root); }));
    std::printf("recalculate %.1f ms (%llu bytes in %d files)\n", Median(times), static_cast<unsigned long long>(total),
                kFolders * kFilesPerFolder);
    return 0;
}
