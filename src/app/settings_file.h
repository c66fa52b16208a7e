#pragma once

#include "base/atomic_write.h"
#include "base/settings.h"
#include "platform/app_environment.h"

namespace quillory {

// Applies the user's settings.dat, or on a first start (none yet) the one
// shipped in the program folder; with neither, `settings` stays as it is.
void ReadSettingsFile(const AppEnvironment& environment, Settings& settings);

// Writes settings.dat where the environment keeps it, making its folder
// first; a failed write leaves the old file in place.
WriteResult WriteSettingsFile(const AppEnvironment& environment,
                              const Settings& settings);

}  // namespace quillory
