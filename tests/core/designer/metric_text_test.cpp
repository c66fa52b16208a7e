#include "designer/metric_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillory {
namespace {

constexpr MetricMode kPx = MetricMode::kPixels;
constexpr MetricMode kPc = MetricMode::kPercent;

TEST(FormatMetricTest, WritesShortestSinglePrecisionText) {
  const float x = PercentFactor(6300);
  const std::tuple<float, MetricMode, const char*> rows[] = {
      {1200, kPx, "80"},   {100, kPx, "6.666667"},  {-30, kPx, "-2"},
      {0.5f, kPx, "0"},    {1e9f, kPx, "66666670"}, {1200, kPc, "19%"},
      {975, kPc, "15.4%"}, {-30, kPc, "-0.5%"},     {1e9f, kPc, "15873020%"},
  };
  for (const auto& [twips, mode, text] : rows) {
    EXPECT_EQ(FormatMetric(twips, mode, x), text) << twips;
  }
}

TEST(PanelMetricTextTest, ShowsTwipsOrWholePercent) {
  EXPECT_EQ(PanelMetricText(1200, kPx, 6300), "1200");
  EXPECT_EQ(PanelMetricText(697.5f, kPx, 6975), "697.5");
  EXPECT_EQ(PanelMetricText(1200, kPc, 6300), "19%");
  EXPECT_EQ(PanelMetricText(50, kPc, 6300), "0%");
  EXPECT_EQ(PanelMetricText(-30, kPc, 6300), "-1%");
}

TEST(MetricFieldTwipsTest, ReadsTwipsOrShareOfTheCanvas) {
  constexpr std::nullopt_t kNo = std::nullopt;
  const std::pair<const char*, std::optional<float>> rows[] = {
      {"600", 600.0f}, {"50%", 3150.0f},   {"10%", 630.0f}, {"-%", 0.0f},
      {"%", 0.0f},     {"12abc%", 756.0f}, {"-2.5", -2.5f}, {"1e9", 1e9f},
      {"12abc", kNo},  {"", kNo},          {"1e99", kNo},
  };
  for (const auto& [text, twips] : rows) {
    EXPECT_EQ(MetricFieldTwips(text, 6300), twips) << text;
  }
}

}  // namespace
}  // namespace quillory
