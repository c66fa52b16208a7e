#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// Left and width are measured against the canvas width, top and height
// against its height.
enum class Axis { kHorizontal, kVertical };
enum class MetricMode { kPixels, kPercent };

// A single-precision number in shortest form: at most seven significant
// digits, no trailing zeros, no exponent, "." as the separator.
std::string SingleText(float value);

// The HTML text of a metric: whole twips as pixels ("80", "6.666667"), or
// a percentage floored to a tenth ("8.6%"). `percent_factor` is 100 over
// the canvas dimension of the metric's axis.
std::string FormatMetric(float twips, MetricMode mode, float percent_factor);
float PercentFactor(float canvas_dimension);

// What a metric field of the property panel shows: the twips themselves
// ("1200"), or the whole percentage of `canvas_dimension` ("19%").
std::string PanelMetricText(float twips, MetricMode mode,
                            float canvas_dimension);

// The twips a metric field's text stands for when Enter is pressed: a text
// ending in "%" is that share of `canvas_dimension` (a missing number is
// 0), any other text must be a number of twips. Empty when it is not.
std::optional<float> MetricFieldTwips(std::string_view text,
                                      float canvas_dimension);

}  // namespace quillory
