#pragma once
// Layout sizes are given for a screen of 96 pixels per inch and scaled by the
// screen's own value, truncated: 290 at 120 pixels per inch is 362.
struct ScreenScale {
    int dpiX = 96;
    int dpiY = 96;

    int X(int pixels) const { return Scale(pixels, dpiX); }
    int Y(int pixels) const { return Scale(pixels, dpiY); }

private:
    static int Scale(int pixels, int dpi) {
        // 64 bits: a huge value from a broken display driver must not overflow.
        return int(static_cast<long long>(pixels) * (dpi > 0 ? dpi : 96) / 96);
    }
};
