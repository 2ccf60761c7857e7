// Stand-ins for step windows that are not in the player yet. Each one shows
// nothing and answers as a step that did not run, so no step is ever taken
// as done; each is removed when its real window lands.
#include "StepWindowFactories.h"
