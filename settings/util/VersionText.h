#pragma once
// Comparison of version texts such as "9.10" or "3.02".
#include <string_view>

// 1 when the first is higher, 2 when the second is higher, 0 when equal.
// Only the major and minor numbers count: "9.10" is above "9.9" and "9.3"
// equals "9.03". A character that is neither a digit nor "." counts as the
// digit 0.
int CompareVersions(std::string_view first, std::string_view second);
