#include "LinkCommand.h"

std::string QuoteCommandArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"')
            quoted += "%22";
        else
            quoted += c;
    }
    // Backslashes before the closing quote would escape it.
    size_t trailing = 0;
    while (trailing < argument.size() && argument[argument.size() - 1 - trailing] == '\\') ++trailing;
    quoted.append(trailing, '\\');
    quoted += '"';
    return quoted;
}

std::string BuildBrowserCommand(std::string_view registeredCommand, std::string_view address) {
    size_t cut = registeredCommand.find("\"%1\"");
    if (cut == std::string_view::npos) cut = registeredCommand.find("%1");
    std::string command(registeredCommand.substr(0, cut));
    while (!command.empty() && (command.back() == ' ' || command.back() == '\t')) command.pop_back();
    command += ' ';
    command += QuoteCommandArgument(address);
    return command;
}
