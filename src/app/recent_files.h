#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/settings.h"

namespace quillory {

// Puts `file_name` in slot 0 of the recent list and moves the others one
// slot down; the oldest falls off. A name already in the list stays in its
// old slot too, so one path may stand in several slots.
void AddRecent(std::string_view file_name, Settings& settings);

// The captions of the recent-file menu entries 0, 1, ...: one per slot up
// to the first empty one, each the path's text after its last "/".
std::vector<std::string> RecentMenuCaptions(const Settings& settings);

}  // namespace quillory
