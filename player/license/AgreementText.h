#pragma once
// The agreement text of the license step, read from its file block by block.
// Each block counts up to its first zero byte; the bytes are otherwise taken
// as they are (the user's ANSI code page, nothing converted).
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kAgreementBlockSize = 1024;
// An agreement is a text a person reads and accepts; a file beyond this is
// not one, and reading it whole would only exhaust memory.
inline constexpr std::size_t kAgreementMaxBytes = 16u * 1024 * 1024;

// Appends one block's text: the bytes up to the first zero byte.
void AppendAgreementBlock(std::string& text, std::string_view block);

enum class AgreementRead {
    kRead,
    kCannotOpen,
    kCannotRead,  // opened, but reading failed part way
    kTooLarge,
};

// Never leaves a partial text behind on failure: text is only set on kRead.
AgreementRead ReadAgreementFile(const std::string& path, std::string& text);
