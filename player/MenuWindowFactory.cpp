// The menu step's window: the player's menu window for every menu record,
// standard or HTML.
#include "AutorunDlg.h"
#include "StepWindowFactories.h"

std::unique_ptr<IMenuWindow> CreateMenuWindow(CDiscSettings& disc, CSettingsHtml& menu, CStepSequencer& sequencer) {
    auto window = std::make_unique<CAutorunDlg>();
    window->SetMenuContext(&disc, &menu, &sequencer);
    return window;
}
