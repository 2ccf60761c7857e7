#include "ToolTipText.h"

std::string ToolTipText(std::string_view entry) {
    const std::size_t lineBreak = entry.find('\n');
    if (lineBreak != std::string_view::npos) entry.remove_prefix(lineBreak + 1);
    return std::string(entry.substr(0, kMaxToolTipLength));
}
