#pragma once
#include <cstdint>
#include <memory>

#include "Settings.h"

// A new record of the given kind with its defaults; nothing for kinds that
// are not steps or buttons (the icon, the driver directories, unknown values).
std::unique_ptr<CSettings> CreateSettings(std::int32_t kind);
