#pragma once
// Writes a folder tree as an ISO 9660 disc image with a Joliet tree beside
// the plain one, as Windows, virtual machines and burning tools read it.
// The same tree with the same times always gives the same bytes.
#include <cstdint>
#include <functional>
#include <string>

#include "ImageTree.h"

inline constexpr std::uint64_t kMaxImageFileSize = 0xFFFFFFFFull;  // 4 GiB - 1

struct ImageOptions {
    std::string volumeName;  // the disc's label
    ImageTime created;
    // Bytes of file data written so far and in all; false cancels.
    std::function<bool(std::uint64_t done, std::uint64_t total)> progress;
};

enum class ImageResult { kWritten, kCancelled, kFileTooLarge, kReadFailed, kWriteFailed };

struct ImageOutcome {
    ImageResult result = ImageResult::kWritten;
    std::string file;  // the file that was too large or could not be read
};

// root: the project directory's entry (its name is not used).
ImageOutcome WriteIsoImage(const ImageEntry& root, const ImageOptions& options, IImageFiles& files, IImageSink& sink);

// The image's size in bytes, without writing it.
std::uint64_t IsoImageSize(const ImageEntry& root);
