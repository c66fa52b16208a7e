// The designer's property panel fields: any text typed into a metric or a
// colour field, and the texts made again from what it gave.
#include "designer/colour_text.h"
#include "designer/metric_text.h"
#include "fuzz_input.h"

using namespace quillory;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const auto canvas = input.ConsumeFloatingPointInRange<float>(0, 100000);
  const std::string text = input.ConsumeRemainingBytesAsString();

  if (const std::optional<float> twips = MetricFieldTwips(text, canvas)) {
    for (MetricMode mode : {MetricMode::kPixels, MetricMode::kPercent}) {
      FormatMetric(*twips, mode, PercentFactor(canvas));
      PanelMetricText(*twips, mode, canvas);
    }
    SingleText(*twips);
  }

  const std::string colour_text = DecimalColourText(text).value_or(text);
  if (const std::optional<uint32_t> colour = ParseColourText(colour_text)) {
    FUZZ_CHECK(*colour <= 0xFFFFFF);
    FUZZ_CHECK(ParseColourText(HtmlColourText(*colour)) == colour);
    // The panel shows black as a bare "#", which names no colour.
    if (*colour != 0)
      FUZZ_CHECK(ParseColourText(PanelColourText(*colour)) == colour);
  }
  return 0;
}
