#pragma once
// Waits that keep a window responsive are cut into slices, with the
// window's messages handled after each slice.

inline constexpr int kWaitSliceMs = 250;

// (ms - 1) / 250 + 1 slices for a positive ms, none otherwise.
int WaitSliceCount(int milliseconds);
