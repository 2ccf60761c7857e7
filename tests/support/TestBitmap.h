#pragma once
// Bitmap files made by the tests themselves: 24 bits, bottom-up, each pixel
// given by a function of its place.
#include <windows.h>

#include <string>

namespace testbitmap {

struct Pixel {
    unsigned char red, green, blue;
};

template <class PixelAt>
std::string BitmapFile(int width, int height, PixelAt pixelAt) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = DWORD(file.bfOffBits + stride * height);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = 0; y < height; ++y) {
        std::string row(size_t(stride), '\0');
        for (int x = 0; x < width; ++x) {
            const Pixel pixel = pixelAt(x, y);
            row[size_t(x * 3)] = char(pixel.blue);
            row[size_t(x * 3 + 1)] = char(pixel.green);
            row[size_t(x * 3 + 2)] = char(pixel.red);
        }
        bytes += row;
    }
    return bytes;
}

// One colour throughout.
inline std::string SolidBitmapFile(int width, int height, Pixel colour = {0x20, 0x60, 0xC0}) {
    return BitmapFile(width, height, [colour](int, int) { return colour; });
}

}  // namespace testbitmap
