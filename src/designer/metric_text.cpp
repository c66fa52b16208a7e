#include "designer/metric_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/number_parse.h"
#include "base/text_util.h"

namespace quillory {
namespace {

constexpr float kTwipsPerPixel = 15;

// `digits` are significant digits with the point after the first one,
// scaled by 10^exponent.
std::string PlacePoint(std::string digits, int exponent) {
  if (exponent < 0) return "0." + std::string(-exponent - 1, '0') + digits;
  const size_t whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole)
    return digits + std::string(whole - digits.size(), '0');
  return digits.substr(0, whole) + "." + digits.substr(whole);
}

}  // namespace

std::string SingleText(float value) {
  if (!std::isfinite(value) || value == 0) return "0";
  char scientific[32];
  std::snprintf(scientific, sizeof scientific, "%.6e",
                static_cast<double>(std::fabs(value)));
  // "d.dddddde±XX": seven digits around the point, then the exponent.
  std::string digits = std::string(1, scientific[0]) + (scientific + 2);
  digits.resize(7);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(scientific + 9);
  return (value < 0 ? "-" : "") + PlacePoint(digits, exponent);
}

float PercentFactor(float canvas_dimension) {
  return 100.0f / canvas_dimension;
}

std::string FormatMetric(float twips, MetricMode mode, float percent_factor) {
  if (mode == MetricMode::kPixels) {
    return SingleText(std::floor(twips) / kTwipsPerPixel);
  }
  return SingleText(std::floor(twips * percent_factor * 10.0f) / 10.0f) + "%";
}

std::string PanelMetricText(float twips, MetricMode mode,
                            float canvas_dimension) {
  if (mode == MetricMode::kPixels) return SingleText(twips);
  const double percent =
      std::floor(static_cast<double>(twips) * 100 / canvas_dimension);
  if (!std::isfinite(percent)) return "0%";
  char text[400];
  std::snprintf(text, sizeof text, "%.0f%%", percent);
  return text;
}

std::optional<float> MetricFieldTwips(std::string_view text,
                                      float canvas_dimension) {
  if (!text.empty() && text.back() == '%') {
    text.remove_suffix(1);
    const float twips =
        static_cast<float>(ParseLeadingNumber(text) * canvas_dimension / 100);
    if (!std::isfinite(twips)) return std::nullopt;
    return twips;
  }
  const std::string_view number = TrimBlanks(text);
  double twips = 0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), twips);
  if (error != std::errc() || end != number.data() + number.size() ||
      !std::isfinite(static_cast<float>(twips))) {
    return std::nullopt;
  }
  return static_cast<float>(twips);
}

}  // namespace quillory
