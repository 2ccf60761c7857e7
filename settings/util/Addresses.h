#pragma once
// Plausibility checks for the addresses an author types into a step.
#include <string_view>

// The first "@" is neither the first nor the last character, and the first
// "." at or after it is not the last character.
bool IsValidEmailAddress(std::string_view text);

// The first "." is neither the first nor the last character.
bool IsValidWebAddress(std::string_view text);
