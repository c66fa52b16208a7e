#pragma once

#include "platform/app_environment.h"

namespace quillory {

// Reads the executable's folder and the XDG variables. The program folder
// is the executable's own (a build folder) or, when the data is not there,
// <prefix>/share/quillory of an installed program in <prefix>/bin, whose
// plug-ins are in <prefix>/lib/quillory/plug-ins. Needs a QCoreApplication.
AppEnvironment DetectAppEnvironment();

// The folder an XDG variable names, else `fallback_in_home` under the home
// folder; ends in "/".
std::string XdgFolder(const char* variable, const char* fallback_in_home);

// The same rules for a given program folder, for tests and tools.
// settings.dat lives in a build folder that can be written, otherwise in
// the per-user folder.
AppEnvironment AppEnvironmentFor(const std::string& program_folder,
                                 Layout layout = Layout::kBuildFolder);

}  // namespace quillory
