#include "app/live_preview_state.h"

#include <filesystem>

#include "base/atomic_write.h"
#include "base/file_bytes.h"

namespace quillory {
namespace {

constexpr char kFileName[] = "live-preview";
constexpr char kOn[] = "on\n";

}  // namespace

bool ReadLivePreviewOn(const std::string& state_folder) {
  const std::optional<std::string> bytes =
      ReadFileBytes(state_folder + kFileName);
  return bytes && *bytes == kOn;
}

bool WriteLivePreviewOn(const std::string& state_folder, bool on) {
  std::error_code ignored;
  std::filesystem::create_directories(state_folder, ignored);
  return WriteTextFile(state_folder + kFileName, on ? kOn : "off\n",
                       WriteMode::kReplace)
      .Succeeded();
}

}  // namespace quillory
