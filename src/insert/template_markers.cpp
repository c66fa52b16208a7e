#include "insert/template_markers.h"

#include <utility>

namespace quillory {
namespace {

constexpr std::string_view kOpen = "[[[";
constexpr std::string_view kClose = "]]]";
constexpr std::string_view kDefaultSeparator = "/|/";
constexpr std::string_view kOptionalSuffix = " - Optional";
constexpr size_t kNone = std::string_view::npos;

bool CharAtIs(std::string_view text, size_t at, char c) {
  return at < text.size() && text[at] == c;
}

// `p` is where the marker's "[[[" starts, `q` its first "/" (kNone for none)
// and `r` its "]]]".
TemplateParameter ReadMarker(std::string_view text, size_t p, size_t q,
                             size_t r, bool optional) {
  TemplateParameter parameter;
  parameter.optional = optional;
  const size_t prefix_at = p + (optional ? 5 : 4);
  if (q != kNone && prefix_at < q) parameter.prefix = text.substr(prefix_at, 1);
  // NOTE: a marker whose first "/" lies past its "]]]", or that has none,
  // has no text between them and so an empty label.
  if (q == kNone || q > r) return parameter;
  const std::string_view label = text.substr(q + 1, r - q - 1);
  const size_t split = label.find(kDefaultSeparator);
  parameter.label = label.substr(0, split);
  if (split != kNone)
    parameter.default_value = label.substr(split + kDefaultSeparator.size());
  return parameter;
}

// A marker without flags takes the kind of the one before it.
bool IsOptional(std::string_view text, size_t p, bool previous) {
  bool optional = previous;
  if (CharAtIs(text, p + 3, 'E')) optional = false;
  if (CharAtIs(text, p + 4, 'O')) optional = true;
  return optional;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

std::string NumberedMarker(size_t n) {
  return std::string(kOpen) + "%" + std::to_string(n) + std::string(kClose);
}

}  // namespace

std::optional<NumberedTemplate> NumberMarkers(std::string_view text) {
  NumberedTemplate numbered;
  numbered.text = text;
  bool optional = false;
  for (size_t p = numbered.text.find(kOpen); p != std::string::npos;
       p = numbered.text.find(kOpen, p)) {
    const std::string_view current = numbered.text;
    const size_t r = current.find(kClose, p);
    if (r == kNone) break;
    optional = IsOptional(current, p, optional);
    numbered.parameters.push_back(
        ReadMarker(current, p, current.find('/', p), r, optional));
    const std::string marker = NumberedMarker(numbered.parameters.size() - 1);
    numbered.text.replace(p, r + kClose.size() - p, marker);
    p += marker.size();
  }
  if (numbered.parameters.empty()) return std::nullopt;
  return numbered;
}

std::string ParameterRowName(const TemplateParameter& parameter) {
  if (!parameter.optional) return parameter.label;
  return parameter.label + std::string(kOptionalSuffix);
}

std::string FillMarkers(std::string text,
                        const std::vector<TemplateParameter>& parameters,
                        const std::vector<ParameterAnswer>& answers) {
  for (size_t n = 0; n < parameters.size() && n < answers.size(); ++n) {
    const ParameterAnswer& answer = answers[n];
    const bool drop =
        answer.row_name.ends_with(kOptionalSuffix) && answer.value.empty();
    ReplaceAll(text, NumberedMarker(n),
               drop ? std::string()
                    : parameters[n].prefix + std::string(answer.value));
  }
  return text;
}

}  // namespace quillory
