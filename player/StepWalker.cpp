#include "StepWalker.h"

#include "DiscSettings.h"

// The step sequencer is not part of the player yet: the list is loaded but no
// step runs, so the program ends right after start-up.
bool RunRootList(CDiscSettings& /*settings*/) { return true; }
