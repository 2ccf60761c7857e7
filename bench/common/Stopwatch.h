#pragma once
// Timing of one operation and the median of several rounds.
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

inline double TimeMs(const std::function<void()>& operation) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}
