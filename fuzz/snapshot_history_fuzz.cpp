// The snapshot history driven by any sequence of edits, colourings,
// snapshots, undos and redos, checked step by step against the plain model
// that keeps a full copy of the document per level.
#include "editor/snapshot_history.h"
#include "fuzz_input.h"
#include "plain_snapshot_history.h"

using namespace quillory;

namespace {

// The document as the editor holds it, telling the history every change.
struct Tab {
  StyledText document;
  SnapshotHistory history;

  void Change(DocumentChange change) {
    Apply(change, document);
    history.Notify(std::move(change));
  }
  bool Restore(const std::optional<std::vector<DocumentChange>>& script) {
    if (!script) return false;
    for (const DocumentChange& change : *script) Apply(change, document);
    return true;
  }
};

DocumentChange RandomChange(FuzzedDataProvider& input, const StyledText& now) {
  const auto length = std::ssize(now.text);
  const auto at = input.ConsumeIntegralInRange<int64_t>(0, length);
  const char style = input.ConsumeIntegralInRange<char>(0, 4);
  if (input.ConsumeBool()) {
    const auto removed = input.ConsumeIntegralInRange<int64_t>(0, length - at);
    const std::string text = input.ConsumeRandomLengthString(6);
    return {ChangeKind::kText,
            at,
            {now.text.substr(at, removed), now.styles.substr(at, removed)},
            {text, std::string(text.size(), style)}};
  }
  const auto count = input.ConsumeIntegralInRange<int64_t>(0, length - at);
  return {ChangeKind::kStyles,
          at,
          {"", now.styles.substr(at, count)},
          {"", std::string(count, style)}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  Tab tab;
  tab.history.TakeBase();
  PlainSnapshotHistory plain{StyledText()};
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
      case 0:
      case 1: {
        const StyledText before = tab.document;
        tab.Change(RandomChange(input, before));
        if (tab.document != before) plain.Changed();
        if (input.ConsumeBool()) {
          tab.history.Record();
          plain.Record(tab.document);
        }
        break;
      }
      case 2:
        tab.history.Record();
        plain.Record(tab.document);
        break;
      default: {
        const bool undo = input.ConsumeBool();
        const bool can = undo ? tab.history.CanUndo() : tab.history.CanRedo();
        const std::optional<StyledText> expected =
            undo ? plain.Undo() : plain.Redo();
        FUZZ_CHECK(can == expected.has_value());
        FUZZ_CHECK(
            tab.Restore(undo ? tab.history.Undo() : tab.history.Redo()) == can);
        if (expected) FUZZ_CHECK(tab.document == *expected);
      }
    }
    FUZZ_CHECK(tab.history.position() == plain.position());
  }
  return 0;
}
