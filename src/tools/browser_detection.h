#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings.h"

namespace quillory {

// Appends an entry with the five fields in order, as given.
void AddBrowser(Settings& settings, const ExternalBrowser& browser);

// Finds a program by name; the full path when it can be run.
using ProgramLookup =
    std::function<std::optional<std::string>(std::string_view name)>;

// Adds every known browser that `find` locates, then `default_program` (the
// desktop's default browser, empty for none), each unless its identifier
// (the program name) is already listed. An entry opens the file with "%1".
void DetectBrowsers(Settings& settings, const ProgramLookup& find,
                    std::string_view default_program);

// The program named by the desktop's default browser entry: its desktop
// file id ("firefox-esr.desktop") without the ".desktop".
std::string DefaultBrowserProgram(std::string_view desktop_id);

// Looks `name` up in the folders of `path_variable` (":"-separated).
std::optional<std::string> FindOnPath(std::string_view name,
                                      std::string_view path_variable);

// The arguments a browser is started with to open `path`: the words of its
// open command (split as a tool's command line) with every "%1" replaced by
// the path, or the path after them when none holds "%1". The path is made
// "./..." when it starts with "-" so it is never read as an option.
std::vector<std::string> BrowserArguments(std::string_view open_command,
                                          std::string_view path);

}  // namespace quillory
