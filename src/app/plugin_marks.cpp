#include "app/plugin_marks.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "base/atomic_write.h"
#include "base/file_bytes.h"
#include "base/text_util.h"

namespace quillory {
namespace {

// NOTE: entries come from lines of settings.dat, which may hold any byte
// but this one only where the file was damaged; such an entry is matched
// never, and so never skipped.
constexpr std::string_view kEnd{"\0", 1};

}  // namespace

PluginMarks::PluginMarks(std::string path) : path_(std::move(path)) {
  if (path_.empty()) return;
  if (const std::optional<std::string> bytes = ReadFileBytes(path_)) {
    entries_ = Split(*bytes, kEnd);
    if (!entries_.empty() && entries_.back().empty()) entries_.pop_back();
  }
}

PluginMarks::~PluginMarks() {
  if (cleared_) Write();
}

bool PluginMarks::Marked(std::string_view entry) const {
  return std::find(entries_.begin(), entries_.end(), entry) != entries_.end();
}

void PluginMarks::Mark(const std::string& entry) {
  entries_.push_back(entry);
  Write();
}

void PluginMarks::Clear(std::string_view entry) {
  const auto found = std::find(entries_.begin(), entries_.end(), entry);
  if (found == entries_.end()) return;
  entries_.erase(found);
  cleared_ = true;
}

void PluginMarks::Write() {
  cleared_ = false;
  if (path_.empty()) return;
  std::error_code ignored;
  if (entries_.empty()) {
    std::filesystem::remove(path_, ignored);
    return;
  }
  std::filesystem::create_directories(
      std::filesystem::path(path_).parent_path(), ignored);
  std::string bytes;
  for (const std::string& entry : entries_) {
    bytes += entry;
    bytes += kEnd;
  }
  (void)WriteTextFile(path_, bytes, WriteMode::kReplace);
}

}  // namespace quillory
