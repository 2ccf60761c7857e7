#include "WindowTiming.h"

#include <algorithm>

namespace bench {

namespace {

struct Search {
    DWORD processId;
    const std::string* title;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hwnd)) return TRUE;
    char title[256] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    if (*search->title != title) return TRUE;
    search->found = hwnd;
    return FALSE;
}

bool HasPendingPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return true;
    }
    return false;
}

}  // namespace

double CounterToMs(std::int64_t counter) {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(counter) * 1000.0 / double(frequency.QuadPart);
}

double NowMs() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return CounterToMs(counter.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

HWND FindVisibleWindow(DWORD processId, const std::string& title) {
    Search search = {processId, &title, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsShownAndPainted(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) && !HasPendingPaint(window);
}

}  // namespace bench
