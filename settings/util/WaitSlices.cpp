#include "WaitSlices.h"

int WaitSliceCount(int milliseconds) { return milliseconds > 0 ? (milliseconds - 1) / kWaitSliceMs + 1 : 0; }
