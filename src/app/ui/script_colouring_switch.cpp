#include "app/ui/script_colouring_switch.h"

#include <filesystem>
#include <system_error>

#include "base/atomic_write.h"
#include "base/file_bytes.h"

namespace quillory {

ScriptColouringSwitch::ScriptColouringSwitch(std::string user_folder)
    : folder_(std::move(user_folder)) {
  const auto text = ReadFileBytes(folder_ + std::string(kUserOptionsFile));
  if (text) options_ = ParseUserOptions(*text);
}

void ScriptColouringSwitch::Set(bool on) {
  options_.colour_scripts = on;
  const std::string path = folder_ + std::string(kUserOptionsFile);
  std::error_code ignored;
  std::filesystem::create_directories(folder_, ignored);
  (void)WriteTextFile(
      path, WithUserOptions(ReadFileBytes(path).value_or(""), options_),
      WriteMode::kReplace);
}

}  // namespace quillory
