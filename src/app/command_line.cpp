#include "app/command_line.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/text_util.h"

namespace quillory {

std::vector<std::string> CommandLineFiles(
    const std::vector<std::string>& arguments,
    const std::function<bool(const std::string&)>& exists) {
  std::string joined;
  for (const std::string& argument : arguments) {
    if (&argument != &arguments.front()) joined += ' ';
    joined += argument;
  }
  if (joined.empty()) return {};
  std::string whole(TrimBlanks(joined));
  if (!exists(whole) &&
      std::all_of(arguments.begin(), arguments.end(), exists)) {
    return arguments;
  }
  return {std::move(whole)};
}

bool IsExistingFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::vector<std::string> AbsoluteCommandLineFiles(
    const std::vector<std::string>& arguments) {
  std::vector<std::string> files = CommandLineFiles(arguments, &IsExistingFile);
  for (std::string& file : files) {
    std::error_code error;
    if (!file.empty()) file = std::filesystem::absolute(file, error).string();
  }
  return files;
}

std::optional<std::string> InformationRequested(
    const std::vector<std::string>& arguments, std::string_view version) {
  static constexpr std::string_view kHelp =
      "Usage: quillory [FILE]\n"
      "A source editor for web pages: HTML, JavaScript, CSS and PHP.\n"
      "\n"
      "  FILE          the file to open; a Quillory already running opens it\n"
      "                in a new tab\n"
      "  --unregister  take back every file type registered with the desktop\n"
      "                for this user, and the desktop entry a copy outside a\n"
      "                package wrote, and exit\n"
      "  --help        show this help and exit\n"
      "  --version     show the version and exit\n"
      "\n"
      "An installed Quillory keeps its settings and the last session in\n"
      "$XDG_CONFIG_HOME/quillory (~/.config/quillory) and text not yet saved\n"
      "in $XDG_STATE_HOME/quillory (~/.local/state/quillory).\n";
  for (const std::string& argument : arguments) {
    if (argument == "--help") return std::string(kHelp);
    if (argument == "--version") {
      return "Quillory " + std::string(version) + "\n";
    }
  }
  return std::nullopt;
}

}  // namespace quillory
