#pragma once
// The message the player's menu window sends itself to run a pressed
// button, with the button's record as LPARAM; the HTML menu's links use it
// too. Its handler hands the record to the step sequencer.
inline constexpr unsigned kRunButtonMessage = 0x401;
