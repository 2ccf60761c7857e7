#include "GifAnimation.h"

#include <array>
#include <cstring>
#include <optional>

namespace {

// A picture larger than this is not an animation we show.
constexpr int kMaxSide = 4096;
constexpr int kMaxFrames = 1000;
constexpr int kMaxCode = 4096;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
    bool Has(std::size_t count) const { return data_.size() - position_ >= count; }
    std::uint8_t Byte() { return Has(1) ? data_[position_++] : Fail(); }
    int Word() {
        const int low = Byte();
        return low | (Byte() << 8);
    }
    void Skip(std::size_t count) { position_ = Has(count) ? position_ + count : data_.size(); }
    bool Failed() const { return failed_; }
    // The data sub-blocks that follow, joined.
    std::vector<std::uint8_t> Blocks() {
        std::vector<std::uint8_t> joined;
        for (std::uint8_t size = Byte(); size != 0 && !failed_; size = Byte()) {
            if (!Has(size)) return Fail(), joined;
            joined.insert(joined.end(), data_.begin() + std::ptrdiff_t(position_), data_.begin() + std::ptrdiff_t(position_ + size));
            position_ += size;
        }
        return joined;
    }
    void SkipBlocks() {
        for (std::uint8_t size = Byte(); size != 0 && !failed_; size = Byte()) Skip(size);
    }

private:
    std::uint8_t Fail() {
        failed_ = true;
        position_ = data_.size();
        return 0;
    }

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

using Palette = std::vector<std::uint32_t>;

Palette ReadPalette(Reader& reader, int entries) {
    Palette palette;
    for (int i = 0; i < entries; ++i) {
        const std::uint32_t red = reader.Byte();
        const std::uint32_t green = reader.Byte();
        const std::uint32_t blue = reader.Byte();
        palette.push_back(0xFF000000u | red << 16 | green << 8 | blue);
    }
    return palette;
}

// The colour indexes of one image, count of them; nullopt when damaged.
std::optional<std::vector<std::uint8_t>> DecodeLzw(const std::vector<std::uint8_t>& bits, int minimumSize,
                                                   std::size_t count) {
    if (minimumSize < 2 || minimumSize > 8) return std::nullopt;
    const int clear = 1 << minimumSize;
    const int end = clear + 1;
    std::array<std::uint16_t, kMaxCode> prefix{};
    std::array<std::uint8_t, kMaxCode> suffix{};
    std::array<std::uint8_t, kMaxCode> first{};
    for (int i = 0; i < clear; ++i) suffix[std::size_t(i)] = first[std::size_t(i)] = std::uint8_t(i);
    std::vector<std::uint8_t> out;
    out.reserve(count);
    std::vector<std::uint8_t> stack;
    int codeSize = minimumSize + 1;
    int next = end + 1;
    int previous = -1;
    std::size_t bitPosition = 0;
    while (out.size() < count) {
        if (bitPosition + std::size_t(codeSize) > bits.size() * 8) break;
        int code = 0;
        for (int i = 0; i < codeSize; ++i, ++bitPosition) {
            code |= ((bits[bitPosition / 8] >> (bitPosition % 8)) & 1) << i;
        }
        if (code == clear) {
            codeSize = minimumSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (previous < 0) {
            if (code >= clear) return std::nullopt;
            out.push_back(std::uint8_t(code));
            previous = code;
            continue;
        }
        int current = code;
        stack.clear();
        if (code >= next) {
            if (code > next) return std::nullopt;
            stack.push_back(first[std::size_t(previous)]);
            current = previous;
        }
        while (current >= clear) {
            stack.push_back(suffix[std::size_t(current)]);
            current = prefix[std::size_t(current)];
        }
        stack.push_back(std::uint8_t(current));
        if (next < kMaxCode) {
            prefix[std::size_t(next)] = std::uint16_t(previous);
            suffix[std::size_t(next)] = std::uint8_t(current);
            first[std::size_t(next)] = first[std::size_t(previous)];
            ++next;
            if (next == (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        for (auto it = stack.rbegin(); it != stack.rend() && out.size() < count; ++it) out.push_back(*it);
        previous = code;
    }
    out.resize(count, 0);
    return out;
}

// The row of the image that the n-th decoded row is, for interlaced images.
int InterlacedRow(int n, int height) {
    const int passes[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
    for (const auto& [start, step] : passes) {
        const int rows = start < height ? (height - start + step - 1) / step : 0;
        if (n < rows) return start + n * step;
        n -= rows;
    }
    return 0;
}

struct FrameControl {
    int delayMs = 100;
    int transparent = -1;
    int disposal = 0;
};

}  // namespace

GifAnimation DecodeGif(std::span<const std::uint8_t> data) {
    GifAnimation animation;
    Reader reader(data);
    if (!reader.Has(13) || (std::memcmp(data.data(), "GIF87a", 6) != 0 && std::memcmp(data.data(), "GIF89a", 6) != 0)) {
        return animation;
    }
    reader.Skip(6);
    const int width = reader.Word();
    const int height = reader.Word();
    const int flags = reader.Byte();
    reader.Skip(2);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return animation;
    const Palette global = (flags & 0x80) ? ReadPalette(reader, 2 << (flags & 7)) : Palette();
    std::vector<std::uint32_t> canvas(std::size_t(width) * std::size_t(height), 0);
    FrameControl control;
    std::vector<GifFrame> frames;
    while (!reader.Failed() && int(frames.size()) < kMaxFrames) {
        const int introducer = reader.Byte();
        if (introducer == 0x3B || reader.Failed()) break;
        if (introducer == 0x21) {
            const int label = reader.Byte();
            if (label == 0xF9) {
                const std::vector<std::uint8_t> block = reader.Blocks();
                if (block.size() >= 4) {
                    control.disposal = (block[0] >> 2) & 7;
                    const int delay = (block[1] | block[2] << 8) * 10;
                    control.delayMs = delay > 0 ? delay : 100;
                    control.transparent = (block[0] & 1) ? block[3] : -1;
                }
            } else {
                reader.SkipBlocks();
            }
            continue;
        }
        if (introducer != 0x2C) return GifAnimation{};
        const int left = reader.Word();
        const int top = reader.Word();
        const int frameWidth = reader.Word();
        const int frameHeight = reader.Word();
        const int frameFlags = reader.Byte();
        const Palette local = (frameFlags & 0x80) ? ReadPalette(reader, 2 << (frameFlags & 7)) : Palette();
        const Palette& palette = local.empty() ? global : local;
        const int minimumSize = reader.Byte();
        const std::vector<std::uint8_t> bits = reader.Blocks();
        if (reader.Failed() || frameWidth <= 0 || frameHeight <= 0 || frameWidth > kMaxSide || frameHeight > kMaxSide) {
            return GifAnimation{};
        }
        const auto indexes = DecodeLzw(bits, minimumSize, std::size_t(frameWidth) * std::size_t(frameHeight));
        if (!indexes) return GifAnimation{};
        const std::vector<std::uint32_t> before = canvas;
        const bool interlaced = frameFlags & 0x40;
        for (int row = 0; row < frameHeight; ++row) {
            const int y = top + (interlaced ? InterlacedRow(row, frameHeight) : row);
            if (y < 0 || y >= height) continue;
            for (int column = 0; column < frameWidth; ++column) {
                const int x = left + column;
                const int index = (*indexes)[std::size_t(row) * std::size_t(frameWidth) + std::size_t(column)];
                if (x < 0 || x >= width || index == control.transparent || index >= int(palette.size())) continue;
                canvas[std::size_t(y) * std::size_t(width) + std::size_t(x)] = palette[std::size_t(index)];
            }
        }
        frames.push_back({canvas, control.delayMs});
        if (control.disposal == 2) {
            for (int y = std::max(top, 0); y < std::min(top + frameHeight, height); ++y) {
                for (int x = std::max(left, 0); x < std::min(left + frameWidth, width); ++x) {
                    canvas[std::size_t(y) * std::size_t(width) + std::size_t(x)] = 0;
                }
            }
        } else if (control.disposal == 3) {
            canvas = before;
        }
        control = FrameControl{};
    }
    if (reader.Failed() && frames.empty()) return animation;
    animation.width = width;
    animation.height = height;
    animation.frames = std::move(frames);
    return animation;
}
