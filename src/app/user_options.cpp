#include "app/user_options.h"

#include "base/file_bytes.h"

namespace quillory {
namespace {

constexpr std::string_view kColourScripts = "ColourScripts=";

}  // namespace

UserOptions ParseUserOptions(std::string_view text) {
  UserOptions options;
  for (const std::string& line : SplitLines(text)) {
    if (line.starts_with(kColourScripts)) {
      const std::string_view value =
          std::string_view(line).substr(kColourScripts.size());
      if (value == "0" || value == "1") options.colour_scripts = value == "1";
    }
  }
  return options;
}

std::string WithUserOptions(std::string_view text, const UserOptions& options) {
  std::string written;
  for (const std::string& line : SplitLines(text)) {
    if (!line.empty() && !line.starts_with(kColourScripts)) {
      written += line + "\n";
    }
  }
  written += std::string(kColourScripts) + (options.colour_scripts ? "1" : "0");
  return written + "\n";
}

}  // namespace quillory
