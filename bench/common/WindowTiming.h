#pragma once
// What the start-up benchmarks measure with: a millisecond clock, the median
// of a series, and whether a program's window is up with nothing left to
// paint.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

double CounterToMs(std::int64_t counter);
double NowMs();
double Median(std::vector<double> values);

// The process's visible top-level window with that title, or null.
HWND FindVisibleWindow(DWORD processId, const std::string& title);
// Its thread has taken every message sent before, then the paint that
// nothing else precedes (the window and its direct children).
bool IsShownAndPainted(HWND window);

}  // namespace bench
