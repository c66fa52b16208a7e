// The undo history and replace all, each beside the literal way: a full copy
// of the formatted content per snapshot, one replacement at a time.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <string>
#include <vector>

#include "core/editor/literal_replace_all.h"
#include "editor/replace_all.h"
#include "editor/snapshot_history.h"
#include "editor/status_line.h"
#include "plain_snapshot_history.h"

namespace quillory {
namespace {

constexpr int64_t kLine = 200;  // bytes per line of the test page

// A page whose every 200-byte line holds "Needle" once, so a 20 MB page
// holds 100,000 of them.
std::string Page(int64_t bytes) {
  std::string line =
      "<tr><td class=\"name\">Needle</td><td>Editor for web pages, <b>fast"
      "</b> on huge files.</td></tr>";
  line.resize(kLine - 2, ' ');
  line += "\r\n";
  std::string text;
  text.reserve(bytes);
  while (static_cast<int64_t>(text.size()) < bytes) text += line;
  text.resize(bytes);
  return text;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

// One typed character in the middle of the page as the editor reports it:
// the byte going in, then its line coloured again.
void TypeKey(SnapshotHistory& history, int64_t at) {
  history.Notify({ChangeKind::kText, at, {}, {"x", std::string(1, 0)}});
  const int64_t line_start = at - at % kLine;
  history.Notify({ChangeKind::kStyles,
                  line_start,
                  {"", std::string(kLine, 1)},
                  {"", std::string(kLine, 2)}});
  history.Record();
}

void BM_SnapshotMemory21TypedLevels(benchmark::State& state) {
  const int64_t size = state.range(0);
  for (auto _ : state) {
    const size_t before = HeapInUse();
    SnapshotHistory history;
    history.TakeBase();
    for (int key = 0; key < kSnapshotLevels; ++key) {
      TypeKey(history, size / 2 + key);
    }
    const auto held = static_cast<double>(HeapInUse() - before);
    state.counters["held_bytes"] = held;
    state.counters["of_text"] = held / static_cast<double>(size);
  }
}
BENCHMARK(BM_SnapshotMemory21TypedLevels)
    ->Arg(20 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_SnapshotMemory21PlainCopies(benchmark::State& state) {
  const int64_t size = state.range(0);
  StyledText document{Page(size), std::string(size, 1)};
  for (auto _ : state) {
    const size_t before = HeapInUse();
    {
      PlainSnapshotHistory history(document);
      for (int key = 0; key < kSnapshotLevels; ++key) {
        document.text[size / 2 + key] = 'x';
        history.Record(document);
      }
      const auto held = static_cast<double>(HeapInUse() - before);
      state.counters["held_bytes"] = held;
      state.counters["of_text"] = held / static_cast<double>(size);
    }
  }
}
BENCHMARK(BM_SnapshotMemory21PlainCopies)
    ->Arg(20 << 20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_SnapshotPerTypedKey(benchmark::State& state) {
  const int64_t size = state.range(0);
  SnapshotHistory history;
  int64_t at = size / 2;
  for (auto _ : state) TypeKey(history, at++);
}
BENCHMARK(BM_SnapshotPerTypedKey)
    ->Arg(100 << 10)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMicrosecond);

void BM_SnapshotPerTypedKeyPlainCopy(benchmark::State& state) {
  const int64_t size = state.range(0);
  StyledText document{Page(size), std::string(size, 1)};
  PlainSnapshotHistory history(document);
  for (auto _ : state) history.Record(document);
}
BENCHMARK(BM_SnapshotPerTypedKeyPlainCopy)
    ->Arg(100 << 10)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMicrosecond);

// Replaces every "needle" by a text that holds it again.
void BM_ReplaceAll(benchmark::State& state) {
  const std::string page = Page(state.range(0));
  for (auto _ : state) {
    auto result =
        ReplaceAll(page, "needle", "a needle", SearchFrom::kTextStart, 0);
    state.counters["replaced"] = static_cast<double>(result.starts.size());
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_ReplaceAll)
    ->Arg(200 * 1000)
    ->Arg(20 * 1000 * 1000)
    ->Unit(benchmark::kMillisecond);

// O(occurrences x text): measured on 1,000 occurrences only.
void BM_ReplaceAllOneAtATime(benchmark::State& state) {
  const std::string page = Page(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(LiteralReplaceAll(page, "needle", "a needle", 1));
  }
}
BENCHMARK(BM_ReplaceAllOneAtATime)
    ->Arg(200 * 1000)
    ->Unit(benchmark::kMillisecond);

// Line and column counted from the bytes with the caret at the end: what
// the status line costs when it is not taken from the control's line index.
void BM_PlaceOfCaretAtEnd(benchmark::State& state) {
  const std::string page = Page(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        PlaceOfCaret(page, static_cast<int64_t>(page.size())));
  }
}
BENCHMARK(BM_PlaceOfCaretAtEnd)
    ->Arg(100 << 10)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillory

BENCHMARK_MAIN();
