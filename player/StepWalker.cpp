#include "StepWalker.h"

#include "AutorunApp.h"
#include "DiscSettings.h"
#include "PlayerStepWindows.h"
#include "actions/PlayerStepActions.h"
#include "history/DiscHistory.h"
#include "sequencer/StepSequencer.h"

bool RunRootList(CDiscSettings& settings) {
    CPlayerStepWindows windows;
    CPlayerStepActions actions;
    CRegistryHistoryStore history;
    CStepSequencer sequencer(settings, GetDiscRoot(), windows, actions, history);
    return sequencer.Run(settings.RootList);
}
