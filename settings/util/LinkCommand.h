#pragma once
// The browser command line that opens a link when the shell cannot.
#include <string>
#include <string_view>

// Cuts the browser's registered command before its first quoted "%1" (before
// the opening quote), else before its first "%1", and appends a blank and the
// address as one quoted argument. A double quote inside the address becomes
// "%22", so the address can neither split nor end the argument.
std::string BuildBrowserCommand(std::string_view registeredCommand, std::string_view address);

// The address as one quoted command-line argument, as above.
std::string QuoteCommandArgument(std::string_view argument);
