#pragma once
// What a test run asks before it starts the player: whether the disc does
// anything only the first time it runs on a computer, and whether the disc
// number of the last build names a history key of its own.
#include <string_view>

class CSettingsList;

// An active login or license shown only the first time, or an install run
// only the first time, anywhere in the steps (menus and buttons included).
bool HasFirstRunBehaviour(const CSettingsList& steps);

// Only a disc number of digits names one disc's history; an empty or
// damaged one would name the history of every disc.
bool IsDiscHistoryKey(std::string_view discNumber);
