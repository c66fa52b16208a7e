#include "app/recent_files.h"

#include <algorithm>

#include "app/file_commands.h"
#include "base/text_util.h"

namespace quillory {

void AddRecent(std::string_view file_name, Settings& settings) {
  auto& slots = settings.last_opened;
  std::move_backward(slots.begin(), slots.end() - 1, slots.end());
  slots.front() = std::string(file_name);
}

std::vector<std::string> RecentMenuCaptions(const Settings& settings) {
  std::vector<std::string> captions;
  for (int slot = 0; slot < VisibleRecentCount(settings); ++slot) {
    captions.emplace_back(FileNameOfPath(settings.last_opened[slot]));
  }
  return captions;
}

}  // namespace quillory
