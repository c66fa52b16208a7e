#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// One parameter marker of a reference template, such as `[[[EO,/name/|/0]]]`.
struct TemplateParameter {
  std::string label;
  std::string default_value;
  bool optional = false;
  std::string prefix;  // put before a given value; empty or one character
};

// A template whose markers are numbered: marker n became `[[[%n]]]`.
struct NumberedTemplate {
  std::string text;
  std::vector<TemplateParameter> parameters;  // never empty
};

// Numbers the markers from left to right. Empty when the template goes in
// as it is: it has no marker, or its first marker has no closing "]]]". An
// unclosed later marker ends the walk and stays literal text.
std::optional<NumberedTemplate> NumberMarkers(std::string_view text);

// The name of a parameter's row: optional ones say so.
std::string ParameterRowName(const TemplateParameter& parameter);

// What the user gave for parameter n: its row's name and value.
struct ParameterAnswer {
  std::string_view row_name;
  std::string_view value;
};

// Puts the answers in place of the numbered markers: an empty answer to an
// optional row removes its marker; any other answer, empty or not, goes in
// after its prefix.
std::string FillMarkers(std::string text,
                        const std::vector<TemplateParameter>& parameters,
                        const std::vector<ParameterAnswer>& answers);

}  // namespace quillory
