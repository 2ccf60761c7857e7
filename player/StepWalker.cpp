#include "StepWalker.h"

#include "DiscSettings.h"
#include "PlayerStepWindows.h"
#include "RegistryHistoryStore.h"
#include "actions/PlayerStepActions.h"
#include "sequencer/StepSequencer.h"

bool RunRootList(CDiscSettings& settings, const std::string& discRoot) {
    CPlayerStepWindows windows(discRoot);
    CPlayerStepActions actions(discRoot);
    CRegistryHistoryStore history;
    CStepSequencer sequencer(settings, discRoot, windows, actions, history);
    return sequencer.Run(settings.RootList);
}
