// The step tree's operations on a large project, each timed from the
// author's click to the settings file written: open (load and the names of
// every node), Move Up of a root step, Delete of a button, Rename of a
// button. Prints the median of several rounds against the 100 ms goal.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DiscSettings.h"
#include "Stopwatch.h"
#include "LargeProject.h"
#include "StepTree.h"
#include "util/LocalFiles.h"

namespace {

int CountNodes(CSettingsList& list) {
    int nodes = 0;
    for (const auto& record : list) {
        StepDisplayName(*record);
        StepImageIndex(*record);
        ++nodes;
        if (CSettingsList* children = record->ChildList()) nodes += CountNodes(*children);
    }
    return nodes;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "mw-tree-bench";
    std::filesystem::create_directories(directory);
    const std::string file = JoinPath(directory.string(), "Settings.ini");

    std::vector<double> open, moveUp, remove, rename;
    int nodes = 0;
    for (int round = 0; round < rounds; ++round) {
        WriteLargeProject(file);
        CDiscSettings project;
        open.push_back(TimeMs([&] {
            project.SetFileName(file);
            project.Load();
            nodes = CountNodes(project.RootList);
        }));
        CSettings* last = project.RootList.GetAt(project.RootList.Count() - 1);
        moveUp.push_back(TimeMs([&] { project.RootList.MoveUp(last); }));
        CSettings* menu = project.RootList.GetAt(0);
        CSettings* button = menu->ChildList()->GetAt(1);
        remove.push_back(TimeMs([&] { menu->ChildList()->Remove(button); }));
        CSettings* renamed = menu->ChildList()->GetAt(0);
        rename.push_back(TimeMs([&] {
            renamed->SetName("Renamed");
            renamed->SaveRecord();
        }));
    }
    std::printf("step tree of %d nodes, median of %d rounds (goal under 100 ms each):\n", nodes, rounds);
    std::printf("  open (load, every node's name)   %8.1f ms\n", Median(open));
    std::printf("  Move Up of a root step           %8.1f ms\n", Median(moveUp));
    std::printf("  Delete of a button               %8.1f ms\n", Median(remove));
    std::printf("  Rename of a button               %8.1f ms\n", Median(rename));
    std::filesystem::remove_all(directory);
    return 0;
}
