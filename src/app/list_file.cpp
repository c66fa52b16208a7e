#include "app/list_file.h"

#include "base/file_bytes.h"
#include "base/text_file.h"
#include "base/text_util.h"

namespace quillory {

bool IsListFileName(std::string_view file_name) {
  constexpr std::string_view kExtension = ".qlp";
  return file_name.size() >= kExtension.size() &&
         EqualsIgnoringCase(
             file_name.substr(file_name.size() - kExtension.size()),
             kExtension);
}

std::vector<std::string> ListFileEntries(std::string_view text) {
  return SplitLines(text);
}

std::string ListFileText(const std::vector<std::string>& names) {
  return Join(names, "\r\n");
}

std::vector<std::string> ReadListFile(const std::string& path) {
  return ListFileEntries(ReadTextFile(path));
}

}  // namespace quillory
