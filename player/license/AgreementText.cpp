#include "AgreementText.h"

#include <cstdio>
#include <memory>

void AppendAgreementBlock(std::string& text, std::string_view block) {
    const std::size_t zero = block.find('\0');
    text.append(block.substr(0, zero));
}

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

AgreementRead ReadAgreementFile(const std::string& path, std::string& text) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return AgreementRead::kCannotOpen;

    std::string read;
    char block[kAgreementBlockSize];
    std::size_t total = 0;
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got > 0) {
            total += got;
            if (total > kAgreementMaxBytes) return AgreementRead::kTooLarge;
            AppendAgreementBlock(read, std::string_view(block, got));
        }
        if (got < sizeof block) {
            if (std::ferror(file.get())) return AgreementRead::kCannotRead;
            break;
        }
    }
    text = std::move(read);
    return AgreementRead::kRead;
}
