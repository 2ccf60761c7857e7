#pragma once
// Hands the disc's root list to the step sequencer and runs it.
class CDiscSettings;

bool RunRootList(CDiscSettings& settings);
