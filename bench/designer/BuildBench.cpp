// The build of a large project directory (10,000 files in 200 folders)
// without its two fixed pauses, the file-name walk of the build's checks
// against a plain FindFirstFileA walk of the same tree in the same run, and
// the checks of a project of more than 300 steps. Prints medians against
// the goals (walk at most 1.5 times the plain walk; checks under 50 ms).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "BuildOutput.h"
#include "BuildValidation.h"
#include "DiscSettings.h"
#include "Stopwatch.h"
#include "DiskBuildFiles.h"
#include "LargeProject.h"
#include "util/LocalFiles.h"

namespace {

constexpr int kFolders = 200;
constexpr int kFilesPerFolder = 50;
constexpr int kMenus = 24;  // 312 steps

void PlainWalk(const std::string& directory, int& files) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0) continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            PlainWalk(directory + "\\" + found.cFileName, files);
        } else {
            ++files;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void MakeTree(const std::filesystem::path& root) {
    for (int folder = 0; folder < kFolders; ++folder) {
        const auto path = root / ("Folder" + std::to_string(folder));
        std::filesystem::create_directories(path);
        for (int file = 0; file < kFilesPerFolder; ++file) {
            FILE* out = _wfopen((path / ("Document " + std::to_string(file) + ".txt")).c_str(), L"wb");
            if (out) {
                std::fputs("sixteen bytes!!\n", out);
                std::fclose(out);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const auto base = std::filesystem::temp_directory_path() / "mw-build-bench";
    std::filesystem::remove_all(base);
    const auto projectDirectory = base / "Project";
    const auto designerDirectory = base / "Designer";
    std::filesystem::create_directories(designerDirectory);
    MakeTree(projectDirectory);
    for (const char* name : {"Autorun.bin", "BtnClick.wav", "RollOver.wav"}) {
        FILE* out = _wfopen((designerDirectory / name).c_str(), L"wb");
        std::vector<char> bytes(std::strcmp(name, "Autorun.bin") == 0 ? 1 << 20 : 4096, 'x');
        if (out) {
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            std::fclose(out);
        }
    }
    const std::string settings = (base / "Settings.ini").string();
    WriteLargeProject(settings, kMenus, projectDirectory.string(), false);
    CDiscSettings project;
    project.SetFileName(settings);
    project.Load();
    project.TargetDir = projectDirectory.string();

    const MessageTexts texts = [](int id) { return "    WARNING: message " + std::to_string(id); };
    int discNumber = 1;
    BuildEnvironment environment;
    environment.designerDirectory = designerDirectory.string();
    environment.nextDiscNumber = [&discNumber] { return discNumber++; };
    environment.firstPauseMs = environment.secondPauseMs = 0;

    std::vector<double> build, walk, plain, checks;
    int walked = 0;
    int plainFiles = 0;
    for (int round = 0; round < rounds; ++round) {
        CDiskBuildFiles files(project.TargetDir);
        build.push_back(TimeMs([&] {
            BuildOutput(nullptr, project, environment, false);
            ValidateProject(project, files, texts);
        }));
        plain.push_back(TimeMs([&] {
            plainFiles = 0;
            PlainWalk(project.TargetDir, plainFiles);
        }));
        walk.push_back(TimeMs([&] {
            walked = 0;
            files.ForEachFile([&walked](const std::string&, const std::string&) { ++walked; });
        }));
        // The checks of the steps alone: a project without the large tree.
        CDiscSettings steps(project);
        steps.TargetDir = designerDirectory.string();
        CDiskBuildFiles few(steps.TargetDir);
        checks.push_back(TimeMs([&] { ValidateProject(steps, few, texts); }));
    }
    const double walkRatio = Median(walk) / Median(plain);
    std::printf("build of %d files in %d folders, %d steps (no pauses): median %.1f ms\n", walked, kFolders,
                LargeProjectSteps(kMenus), Median(build));
    std::printf("file-name walk %.1f ms, plain FindFirstFileA walk %.1f ms (%d files): ratio %.2f (goal 1.50) %s\n",
                Median(walk), Median(plain), plainFiles, walkRatio, walkRatio <= 1.5 ? "met" : "NOT met");
    std::printf("checks of %d steps: median %.2f ms (goal 50) %s\n", LargeProjectSteps(kMenus), Median(checks),
                Median(checks) < 50 ? "met" : "NOT met");
    std::filesystem::remove_all(base);
    return 0;
}
