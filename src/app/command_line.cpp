#include "app/command_line.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/text_util.h"

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

}  // namespace quillory
