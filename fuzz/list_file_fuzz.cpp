// A ".qlp" list (project or session): the names it lists, written back
// exactly as the file had them, and the project items made of them.
#include "app/list_file.h"
#include "fuzz_input.h"
#include "projects/project_file.h"

using namespace quillory;

namespace {

// The text with every LF turned into CR LF.
std::string WithCrLf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string> names = ListFileEntries(text);
  const bool crlf = text.find('\r') != std::string_view::npos;
  FUZZ_CHECK(ListFileText(names) ==
             (crlf ? std::string(text) : WithCrLf(text)));
  for (const std::string& name : names) {
    IsListFileName(name);
    if (const std::optional<int> slot = SlotOfProjectItem(name))
      FUZZ_CHECK(SlotOfProjectItem(ProjectItem("caption", *slot)) == slot);
  }
  return 0;
}
