// The form designer's Insert To Code text with every slot of every kind
// present: 1,608 elements, half of them in percent mode.
#include <benchmark/benchmark.h>

#include "designer/html_writer.h"

namespace quillory {
namespace {

DesignModel FullModel() {
  DesignModel model;
  model.Resize(6300, 6975);
  for (ElementKind kind : kElementKinds) {
    for (int i = 0; i < kDesignSlots; ++i) {
      model.Create(kind, 15.0f * i, 7.5f * i, "Caption");
      DesignElement& e = model.At(kind, i);
      e.in_percent = i % 2 == 1;
      e.items = {"one", "two", "three"};
    }
  }
  return model;
}

void BM_InsertToCodeText(benchmark::State& state) {
  const DesignModel model = FullModel();
  for (auto _ : state) {
    std::string text = InsertToCodeText(model);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_InsertToCodeText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory

BENCHMARK_MAIN();
