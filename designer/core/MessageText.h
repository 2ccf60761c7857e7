#pragma once
// Message texts from the string table take their arguments in order: each
// "%s" the next text, each "%d" the next number. A pattern asks for no more
// than it is given; a "%" followed by anything else stays as it is.
#include <string>
#include <string_view>
#include <vector>

std::string FormatMessageText(std::string_view pattern, const std::vector<std::string>& arguments);
