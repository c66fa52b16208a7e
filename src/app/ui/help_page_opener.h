#pragma once

#include <string>

namespace quillory {

struct AppEnvironment;
struct DesktopServices;

// Writes the help page of `language` to a new temporary file and opens it
// with the desktop's browser. The file stays: the browser may read it late.
void OpenHelpPage(const AppEnvironment& environment,
                  const std::string& language, DesktopServices services);

}  // namespace quillory
