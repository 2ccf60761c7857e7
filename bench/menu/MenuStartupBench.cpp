// How long the player takes from process start until its menu window is
// visible and painted, on a disc whose root list is one menu with twelve
// buttons and JPEG pictures, next to the same measure for a bare program
// that shows one empty window. Prints the figures; asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "E2eHarness.h"
#include "MenuFixtureDisc.h"
#include "PeakMemory.h"
#include "StartupTrace.h"
#include "WindowTiming.h"

namespace {

using bench::CounterToMs;
using bench::Median;

constexpr int kStageCount = static_cast<int>(wingui::StartupStage::Count);

// The shared block the player writes its start-up marks into; the player
// finds it through the environment, which every started process inherits.
class TraceBlock {
public:
    TraceBlock() {
        const std::string name = "MenuwrightStartupTrace" + std::to_string(GetCurrentProcessId());
        mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(wingui::StartupTraceBlock), name.c_str());
        if (mapping_) {
            block_ = static_cast<wingui::StartupTraceBlock*>(
                MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(wingui::StartupTraceBlock)));
        }
        if (block_) SetEnvironmentVariableA(wingui::kStartupTraceVariable, name.c_str());
    }
    ~TraceBlock() {
        SetEnvironmentVariableA(wingui::kStartupTraceVariable, nullptr);
        if (block_) UnmapViewOfFile(block_);
        if (mapping_) CloseHandle(mapping_);
    }
    void Clear() {
        if (block_) *block_ = {};
    }
    // Milliseconds from the given start to each stage; negative when not reached.
    std::vector<double> Stages(double startMs) const {
        std::vector<double> stages(kStageCount, -1);
        for (int i = 0; block_ && i < kStageCount; ++i) {
            if (block_->marks[i] != 0) stages[size_t(i)] = CounterToMs(block_->marks[i]) - startMs;
        }
        return stages;
    }

private:
    HANDLE mapping_ = nullptr;
    wingui::StartupTraceBlock* block_ = nullptr;
};

struct Run {
    double total = -1;
    std::vector<double> stages;
    double peakMb = 0;  // the process's peak working set once it was painted
};


// Milliseconds from just before the process is created until its window is
// visible with nothing left to paint; negative when it never got there. With a
// trace block, also the player's own marks of the same start.
Run TimeToPaintedWindow(const std::string& program, const std::string& directory, const char* title,
                        TraceBlock* trace = nullptr) {
    if (trace) trace->Clear();
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\" ";
    const double start = bench::NowMs();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process)) {
        return {};
    }
    double elapsed = -1;
    for (;;) {
        HWND found = bench::FindVisibleWindow(process.dwProcessId, title);
        if (found && bench::IsShownAndPainted(found)) {
            elapsed = bench::NowMs() - start;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
        if (bench::NowMs() - start > 30000) break;
    }
    const double peakMb = elapsed >= 0 ? PeakWorkingSetMb(process.hProcess) : 0;
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {elapsed, trace ? trace->Stages(start) : std::vector<double>(), peakMb};
}

std::vector<double> Totals(const std::vector<Run>& runs) {
    std::vector<double> totals;
    for (const Run& run : runs) totals.push_back(run.total);
    return totals;
}

void PrintFigures(const char* label, const std::vector<Run>& runs) {
    const std::vector<double> totals = Totals(runs);
    std::vector<double> peaks;
    for (const Run& run : runs) peaks.push_back(run.peakMb);
    std::printf("%-33s median %.1f ms (min %.1f, max %.1f), peak working set %.1f MB\n", label, Median(totals),
                *std::min_element(totals.begin(), totals.end()), *std::max_element(totals.begin(), totals.end()),
                Median(peaks));
}

// Where the time of the median start went, stage by stage.
void PrintBreakdown(const std::vector<Run>& runs) {
    std::vector<Run> sorted = runs;
    std::sort(sorted.begin(), sorted.end(), [](const Run& a, const Run& b) { return a.total < b.total; });
    const Run& median = sorted[sorted.size() / 2];
    static const char* const names[kStageCount] = {
        "process start, program and DLLs loaded", "common controls and OLE ready", "settings file read",
        "records loaded",                         "menu dialog and controls created", "pictures, fonts and layout",
        "window ready to show",                   "background painted"};
    std::printf("breakdown of the median menu start (%.1f ms):\n", median.total);
    double previous = 0;
    for (int i = 0; i < kStageCount; ++i) {
        const double at = median.stages.empty() ? -1 : median.stages[size_t(i)];
        if (at < 0) continue;
        std::printf("  %-42s at %6.1f ms  (+%5.1f)\n", names[i], at, at - previous);
        previous = at;
    }
    std::printf("  %-42s at %6.1f ms  (+%5.1f)\n", "buttons and pictures painted", median.total,
                median.total - previous);
}

std::vector<menu_e2e::Node> TwelveButtonMenu() {
    std::vector<menu_e2e::Node> buttons;
    for (int i = 1; i <= 12; ++i) {
        buttons.push_back(menu_e2e::Button("Chapter " + std::to_string(i),
                                           {menu_e2e::MessageAction("Chapter", "Chapter " + std::to_string(i))}));
    }
    return {menu_e2e::Menu("Benchmark menu", buttons,
                           {{"BackgroundType", "4"},
                            {"BgrndFilename", "\\AutoRun\\Menu\\Paper.bmp"},
                            {"BackgroundBitmap", "3"},
                            {"LogoFilename", "\\AutoRun\\Menu\\Logo.jpg"},
                            {"MenuSubTitle", "Twelve buttons, JPEG pictures"},
                            {"UseImage", "true"},
                            {"ImageCustom", "true"},
                            {"ImageFilename", "\\AutoRun\\Menu\\Photo.jpg"},
                            {"ButtonUFile", "\\AutoRun\\Menu\\SmallU.bmp"},
                            {"ButtonDFile", "\\AutoRun\\Menu\\SmallD.bmp"},
                            {"ButtonFFile", "\\AutoRun\\Menu\\SmallF.bmp"},
                            {"ButtonRFile", "\\AutoRun\\Menu\\SmallR.bmp"}})};
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    e2e::FixtureDisc disc;
    menu_e2e::MakeMenuDisc(disc, TwelveButtonMenu());
    const std::string player = disc.Path("Autorun.exe");
    const std::string bare = e2e::TestProgramDirectory() + "\\bare_window.exe";
    const std::string controlsDialog = e2e::TestProgramDirectory() + "\\controls_dialog.exe";
    const std::string platformMessage = e2e::TestProgramDirectory() + "\\platform_message_box.exe";
    // The player's own start without a menu: a disc that shows one message box.
    e2e::FixtureDisc messageDisc;
    messageDisc.MakeComplete(menu_e2e::Settings({menu_e2e::MessageAction("Benchmark message", "Hello")}));
    const std::string messagePlayer = messageDisc.Path("Autorun.exe");

    // One start of each first, so that neither pays for loading Wine's
    // libraries into the cache.
    TimeToPaintedWindow(player, disc.Root(), "Benchmark menu");
    TimeToPaintedWindow(bare, "", "Bare window");
    TimeToPaintedWindow(controlsDialog, "", "Controls dialog");
    TimeToPaintedWindow(messagePlayer, messageDisc.Root(), "Benchmark message");
    TimeToPaintedWindow(platformMessage, "", "Benchmark message");

    TraceBlock trace;
    std::vector<Run> menuRuns, bareRuns, messageRuns, dialogRuns, platformMessageRuns;
    for (int i = 0; i < rounds; ++i) {
        bareRuns.push_back(TimeToPaintedWindow(bare, "", "Bare window"));
        dialogRuns.push_back(TimeToPaintedWindow(controlsDialog, "", "Controls dialog"));
        menuRuns.push_back(TimeToPaintedWindow(player, disc.Root(), "Benchmark menu", &trace));
        messageRuns.push_back(TimeToPaintedWindow(messagePlayer, messageDisc.Root(), "Benchmark message"));
        platformMessageRuns.push_back(TimeToPaintedWindow(platformMessage, "", "Benchmark message"));
    }
    auto neverShown = [](const std::vector<Run>& runs) {
        return std::any_of(runs.begin(), runs.end(), [](const Run& run) { return run.total < 0; });
    };
    const bool failed =
        neverShown(menuRuns) || neverShown(bareRuns) || neverShown(messageRuns) || neverShown(dialogRuns) ||
        neverShown(platformMessageRuns);
    const double window = Median(Totals(bareRuns));
    auto ratioToBare = [window](const std::vector<Run>& runs) {
        return window > 0 ? Median(Totals(runs)) / window : 0.0;
    };
    std::printf("rounds: %d\n", rounds);
    PrintFigures("bare window visible and painted:", bareRuns);
    PrintFigures("menu visible and painted:", menuRuns);
    PrintFigures("player with one message box:", messageRuns);
    PrintFigures("menu's template, nothing drawn:", dialogRuns);
    PrintFigures("platform's message box alone:", platformMessageRuns);
    std::printf("ratio menu / bare window: %.2f (goal at most 1.30)\n", ratioToBare(menuRuns));
    std::printf("ratio message box / bare window: %.2f (goal at most 1.10)\n", ratioToBare(messageRuns));
    std::printf("ratio menu's template / bare window: %.2f (for reference: the window before the menu does anything)\n",
                ratioToBare(dialogRuns));
    std::printf("ratio platform's message box / bare window: %.2f (for reference: the same message box shown with "
                "common controls and nothing else)\n",
                ratioToBare(platformMessageRuns));
    PrintBreakdown(menuRuns);
    if (failed) std::printf("some starts never showed their window\n");
    return failed ? 1 : 0;
}
