#pragma once

#include "platform/app_environment.h"

namespace quillory {

// Reads the executable's folder and the XDG variables. Needs a
// QCoreApplication.
AppEnvironment DetectAppEnvironment();

// The folder an XDG variable names, else `fallback_in_home` under the home
// folder; ends in "/".
std::string XdgFolder(const char* variable, const char* fallback_in_home);

// The same rules for a given program folder, for tests and tools.
AppEnvironment AppEnvironmentFor(const std::string& program_folder);

}  // namespace quillory
