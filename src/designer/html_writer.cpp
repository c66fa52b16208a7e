#include "designer/html_writer.h"

#include "designer/colour_text.h"
#include "designer/metric_text.h"

namespace quillory {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The metric texts of one element.
struct Metrics {
  std::string top;
  std::string left;
  std::string height;
  std::string width;
};

Metrics MetricsOf(const DesignElement& element, float x_factor,
                  float y_factor) {
  const MetricMode mode =
      element.in_percent ? MetricMode::kPercent : MetricMode::kPixels;
  return {FormatMetric(element.top, mode, y_factor),
          FormatMetric(element.left, mode, x_factor),
          FormatMetric(element.height, mode, y_factor),
          FormatMetric(element.width, mode, x_factor)};
}

std::string SizedStyle(const Metrics& m) {
  return "style='position:absolute;top:" + m.top + ";left:" + m.left +
         ";height:" + m.height + ";width:" + m.width + "'";
}

std::string PlacedDiv(const Metrics& m) {
  return "<div style='position:absolute;top:" + m.top + ";left:" + m.left +
         "'>";
}

// Entries up to the last; an empty last entry is what a final line break in
// the items editor leaves, so it is not an option.
std::string Options(const std::vector<std::string>& items) {
  size_t count = items.size();
  if (count > 0 && items.back().empty()) --count;
  std::string text;
  for (size_t j = 0; j < count; ++j) {
    text += "<option>" + items[j] + std::string(kLineEnd);
  }
  return text;
}

std::string ElementText(ElementKind kind, const DesignElement& e,
                        const Metrics& m) {
  const std::string& n = e.name;
  const std::string& v = e.value;
  const std::string end(kLineEnd);
  switch (kind) {
    case ElementKind::kLabel:
      return "<div name=" + n + " " + SizedStyle(m) + ">" + v + "</div>";
    case ElementKind::kText:
      return "<input type=text name=" + n + " " + SizedStyle(m) +
             " value=" + v + ">" + end;
    case ElementKind::kButton:
      return "<input type=button name=" + n + " " + SizedStyle(m) +
             " value=" + v + ">" + end;
    case ElementKind::kCheck:
      return PlacedDiv(m) + "<input type=checkbox name=" + n + " " +
             (e.checked ? "checked" : "") + ">" + v + "</div>" + end;
    case ElementKind::kRadio:
      return PlacedDiv(m) + "<input type=radio name=" + n + " " +
             (e.checked ? "checked " : "") + "value=" + v + ">" + v + "</div>" +
             end;
    case ElementKind::kList:
      return PlacedDiv(m) + "<select name=" + n + ">" + Options(e.items) +
             "</select></div>" + end;
    case ElementKind::kImage:
      return "<img name=" + n + " " + SizedStyle(m) + " src=" + v + ">" + end;
    case ElementKind::kLink:
      return PlacedDiv(m) + "<a  href='" + v + "'>" + n + "</a></div>" + end;
  }
  return {};
}

}  // namespace

std::string InsertToCodeText(const DesignModel& model) {
  const Canvas& canvas = model.CanvasState();
  const float x_factor = PercentFactor(canvas.width);
  const float y_factor = PercentFactor(canvas.height);
  std::string text =
      "<body bgcolor=" + HtmlColourText(canvas.colour) + ">" + "\r\n";
  for (int i = 0; i < kDesignSlots; ++i) {
    for (ElementKind kind : kElementKinds) {
      const DesignElement& element = model.At(kind, i);
      if (!element.present) continue;
      text +=
          ElementText(kind, element, MetricsOf(element, x_factor, y_factor));
    }
  }
  return text;
}

}  // namespace quillory
