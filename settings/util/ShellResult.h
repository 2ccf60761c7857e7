#pragma once
// The shell's instance results: values up to 32 are error codes (32 itself
// is "The specified dynamic-link library was not found."), anything above
// is success.
#include <cstdint>

constexpr bool IsShellSuccess(std::intptr_t result) { return result > 32; }
