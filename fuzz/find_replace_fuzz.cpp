// Find and replace over any text: the searches against a literal reading,
// replace all against replacing one occurrence at a time, and the find
// window's session stepping through the text.
#include <algorithm>

#include "base/text_util.h"
#include "core/editor/fake_search_target.h"
#include "core/editor/literal_replace_all.h"
#include "editor/case_blind_search.h"
#include "editor/find_session.h"
#include "editor/replace_all.h"
#include "fuzz_input.h"

using namespace quillory;

namespace {

bool SameAt(std::string_view text, std::string_view find, int64_t position) {
  return EqualsIgnoringCase(text.substr(position - 1, find.size()), find);
}

void CheckSearches(std::string_view text, std::string_view find,
                   int64_t start) {
  const int64_t forward = FindForward(text, find, start);
  if (forward != 0) {
    FUZZ_CHECK(forward >= start && forward >= 1 &&
               forward <= std::ssize(text) + 1);
    FUZZ_CHECK(SameAt(text, find, forward));
  }
  const int64_t backward = FindBackward(text, find, start);
  if (backward != 0) {
    FUZZ_CHECK(backward >= 1 && backward <= std::ssize(text) + 1);
    if (!find.empty()) {
      FUZZ_CHECK(backward + std::ssize(find) - 1 <=
                 std::min(start, std::ssize(text)));
    }
    FUZZ_CHECK(SameAt(text, find, backward));
  }
}

void StepSession(FuzzedDataProvider& input, std::string_view text,
                 std::string_view find, std::string_view replacement,
                 SearchFrom from) {
  FakeSearchTarget target(
      std::string(text),
      input.ConsumeIntegralInRange<int64_t>(0, std::ssize(text)));
  FindSession session;
  for (int step = 0; step < 8 && input.remaining_bytes() > 0; ++step) {
    const bool replace = input.ConsumeBool();
    const auto panel = replace ? FindPanel::kReplace : FindPanel::kFind;
    const bool found = replace
                           ? session.Replace(target, find, replacement, from)
                           : session.FindNext(target, find, from, panel);
    const TextSelection selection = target.selection();
    FUZZ_CHECK(selection.start >= 0 && selection.length >= 0 &&
               selection.start + selection.length <= std::ssize(target.text()));
    if (found) FUZZ_CHECK(EqualsIgnoringCase(target.SelectedText(), find));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string find = input.ConsumeRandomLengthString(6);
  const std::string replacement = input.ConsumeRandomLengthString(6);
  const auto from = static_cast<SearchFrom>(input.ConsumeIntegralInRange(0, 2));
  const std::string text = input.ConsumeRandomLengthString(2000);
  const auto length = std::ssize(text);
  const auto start = input.ConsumeIntegralInRange<int64_t>(-1, length + 2);

  CheckSearches(text, find, start);
  const int64_t caret = std::clamp<int64_t>(start, 0, length);
  const ReplaceAllResult all = ReplaceAll(text, find, replacement, from, caret);
  const int64_t first = from == SearchFrom::kTextStart ? 1 : caret + 1;
  FUZZ_CHECK(all.text == LiteralReplaceAll(text, find, replacement, first));
  for (int64_t at : all.starts)
    FUZZ_CHECK(all.text.compare(at, replacement.size(), replacement) == 0);
  StepSession(input, text, find, replacement, from);
  return 0;
}
