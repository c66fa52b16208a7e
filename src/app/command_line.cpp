#include "app/command_line.h"

#include <algorithm>

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

}  // namespace quillory
