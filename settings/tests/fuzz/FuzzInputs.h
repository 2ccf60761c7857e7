#pragma once
// The inputs every settings-driven fuzz test runs: the corpus of crafted
// settings files and seeded mutations of it, the same on every run.
#include <cstdint>
#include <random>
#include <vector>

using FuzzInput = std::vector<std::uint8_t>;

std::vector<FuzzInput> SettingsCorpus();

// The input with one to eight random edits: bytes changed, runs cut, or
// tokens that steer the loader (sections, counts, record types, extreme
// numbers) put in.
FuzzInput MutatedSettings(FuzzInput input, std::mt19937& random);
