#pragma once
// Hands the disc's root list to the step sequencer and runs it.
#include <string>

class CDiscSettings;

// discRoot: the disc's top directory, without a trailing backslash.
bool RunRootList(CDiscSettings& settings, const std::string& discRoot);
