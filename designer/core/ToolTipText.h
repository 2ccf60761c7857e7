#pragma once
// The tool tip of a control is the string-table entry with the control's id:
// when the entry has a line break, only what follows the first one is shown,
// and never more than 79 characters.
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxToolTipLength = 79;

std::string ToolTipText(std::string_view entry);
