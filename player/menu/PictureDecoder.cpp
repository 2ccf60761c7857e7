#include "PictureDecoder.h"

#include <cstring>

#include "DeviceContexts.h"
#include "LateOle.h"

namespace {

// Hands the bytes to the loader as a stream over movable global memory,
// which the stream frees.
bool StreamOver(const std::uint8_t* data, std::size_t size, wingui::ComPtr<IStream>& stream) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    if (FAILED(wingui::ole::StreamOnHGlobal(memory, TRUE, stream.Receive()))) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

}  // namespace

bool DecodePicture(const std::uint8_t* data, std::size_t size, DecodedPicture& decoded) {
    decoded = DecodedPicture();
    if (!data || size == 0 || size > 0x7FFFFFFF) return false;
    wingui::ComPtr<IStream> stream;
    if (!StreamOver(data, size, stream)) return false;
    if (FAILED(wingui::ole::LoadPicture(stream.Get(), LONG(size), FALSE, IID_IPicture, decoded.picture.ReceiveVoid())) ||
        !decoded.picture) {
        decoded.picture.Reset();
        return false;
    }
    decoded.picture->get_Width(&decoded.himetricWidth);
    decoded.picture->get_Height(&decoded.himetricHeight);
    wingui::WindowDc screen(nullptr);
    const int dpiX = screen.Dc() ? GetDeviceCaps(screen.Dc(), LOGPIXELSX) : 96;
    const int dpiY = screen.Dc() ? GetDeviceCaps(screen.Dc(), LOGPIXELSY) : 96;
    decoded.pixels.cx = MulDiv(decoded.himetricWidth, dpiX, 2540);
    decoded.pixels.cy = MulDiv(decoded.himetricHeight, dpiY, 2540);
    return true;
}

void RenderPicture(const DecodedPicture& decoded, HDC dc, int x, int y, int width, int height) {
    if (!decoded.picture) return;
    decoded.picture->Render(dc, x, y, width, height, 0, decoded.himetricHeight, decoded.himetricWidth,
                            -decoded.himetricHeight, nullptr);
}
