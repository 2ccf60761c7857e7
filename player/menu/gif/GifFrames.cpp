#include "GifFrames.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace gif {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kScreenDescriptorSize = 7;
constexpr std::size_t kImageDescriptorSize = 10;
constexpr std::size_t kControlExtensionSize = 8;  // 21 F9 04 packed delay delay transparent 00
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;

int Little16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
void PutLittle16(std::uint8_t* p, int value) {
    p[0] = std::uint8_t(value & 0xFF);
    p[1] = std::uint8_t((value >> 8) & 0xFF);
}

std::size_t ColorTableSize(std::uint8_t packed) { return (packed & 0x80) ? 3u << ((packed & 7) + 1) : 0; }

// A read position that never passes the end of the data.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Has(std::size_t count) const { return count <= size_ - pos_; }
    bool AtEnd() const { return pos_ >= size_; }
    std::size_t Pos() const { return pos_; }
    std::uint8_t Peek() const { return data_[pos_]; }
    const std::uint8_t* Here() const { return data_ + pos_; }
    bool Skip(std::size_t count) {
        if (!Has(count)) return false;
        pos_ += count;
        return true;
    }
    // A chain of data sub-blocks up to and including its empty terminator.
    bool SkipSubBlocks() {
        for (;;) {
            if (!Has(1)) return false;
            const std::uint8_t length = data_[pos_++];
            if (length == 0) return true;
            if (!Skip(length)) return false;
        }
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

struct ControlExtension {
    bool present = false;
    std::uint8_t bytes[kControlExtensionSize] = {};
    int delay = 0;
    int disposal = 0;
};

// Reads an extension block at the reader; a graphic control extension is
// returned for the next image. False when the block is cut short.
bool ReadExtension(Reader& in, ControlExtension& control) {
    if (!in.Has(2)) return false;
    const std::uint8_t* start = in.Here();
    const bool isControl = start[1] == kGraphicControlLabel && in.Has(kControlExtensionSize) && start[2] == 4;
    if (isControl) {
        ControlExtension found;
        found.present = true;
        std::memcpy(found.bytes, start, kControlExtensionSize);
        found.bytes[kControlExtensionSize - 1] = 0;
        found.disposal = (start[3] >> 2) & 7;
        found.delay = Little16(start + 4);
        control = found;
    }
    in.Skip(2);
    return in.SkipSubBlocks();
}

// Reads an image block and makes it a GIF of its own. False when the block
// is cut short.
bool ReadImage(Reader& in, const std::uint8_t* fileStart, std::size_t globalEnd,
               const ControlExtension& control, std::optional<GifFrame>& frame) {
    const std::size_t start = in.Pos();
    if (!in.Has(kImageDescriptorSize)) return false;
    const std::uint8_t* descriptor = in.Here();
    const int width = Little16(descriptor + 5);
    const int height = Little16(descriptor + 7);
    in.Skip(kImageDescriptorSize);
    if (!in.Skip(ColorTableSize(descriptor[9]))) return false;
    if (!in.Skip(1)) return false;  // LZW minimum code size
    if (!in.SkipSubBlocks()) return false;
    if (width == 0 || height == 0) return true;  // nothing to draw

    GifFrame result;
    result.left = Little16(descriptor + 1);
    result.top = Little16(descriptor + 3);
    result.width = width;
    result.height = height;
    if (control.present) {
        result.delay = control.delay;
        result.disposal = control.disposal;
    }
    const std::size_t imageSize = in.Pos() - start;
    std::vector<std::uint8_t>& out = result.data;
    out.reserve(globalEnd + (control.present ? kControlExtensionSize : 0) + imageSize + 1);
    out.insert(out.end(), fileStart, fileStart + globalEnd);
    // The frame's own GIF is exactly the frame: its screen is the frame's
    // size and the image sits at its corner.
    PutLittle16(out.data() + kHeaderSize, width);
    PutLittle16(out.data() + kHeaderSize + 2, height);
    if (control.present) out.insert(out.end(), control.bytes, control.bytes + kControlExtensionSize);
    const std::size_t descriptorAt = out.size();
    out.insert(out.end(), fileStart + start, fileStart + start + imageSize);
    PutLittle16(out.data() + descriptorAt + 1, 0);
    PutLittle16(out.data() + descriptorAt + 3, 0);
    out.push_back(kTrailer);
    frame = std::move(result);
    return true;
}

}  // namespace

bool IsGif(const std::uint8_t* data, std::size_t size) {
    return data && size >= kHeaderSize &&
           (std::memcmp(data, "GIF87a", kHeaderSize) == 0 || std::memcmp(data, "GIF89a", kHeaderSize) == 0);
}

bool SplitGif(const std::uint8_t* data, std::size_t size, GifFrames& result) {
    result = GifFrames();
    if (!IsGif(data, size) || size < kHeaderSize + kScreenDescriptorSize) return false;
    Reader in(data, size);
    in.Skip(kHeaderSize);
    const std::uint8_t* screen = in.Here();
    in.Skip(kScreenDescriptorSize);
    if (!in.Skip(ColorTableSize(screen[4]))) return false;
    const std::size_t globalEnd = in.Pos();

    ControlExtension control;
    while (!in.AtEnd() && result.frames.size() < kMaxGifFrames) {
        const std::uint8_t introducer = in.Peek();
        if (introducer == kExtensionIntroducer) {
            if (!ReadExtension(in, control)) break;
        } else if (introducer == kImageSeparator) {
            std::optional<GifFrame> frame;
            if (!ReadImage(in, data, globalEnd, control, frame)) break;
            control = ControlExtension();
            if (frame) result.frames.push_back(std::move(*frame));
        } else {
            break;  // the trailer, or bytes that are not ours to read
        }
    }
    if (result.frames.empty()) return false;

    result.width = Little16(screen);
    result.height = Little16(screen + 2);
    // A file that gives no screen size still shows its frames.
    if (result.width == 0 || result.height == 0) {
        for (const GifFrame& frame : result.frames) {
            result.width = std::max(result.width, frame.left + frame.width);
            result.height = std::max(result.height, frame.top + frame.height);
        }
    }
    return true;
}

}  // namespace gif
