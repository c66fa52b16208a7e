#include "projects/template_names.h"

namespace quillory {
namespace {

constexpr std::string_view kUntitled = "unknown";

}  // namespace

std::string UntitledCaption(std::string_view extension) {
  return std::string(kUntitled) + std::string(extension);
}

std::string_view TemplateDisplayName(std::string_view file_name) {
  const size_t dot = file_name.rfind('.');
  return dot == std::string_view::npos ? file_name : file_name.substr(0, dot);
}

std::string_view TemplateType(std::string_view file_name) {
  const size_t dot = file_name.rfind('.');
  return dot == std::string_view::npos ? file_name : file_name.substr(dot);
}

std::optional<std::string> TemplateNameProblem(std::string_view name) {
  if (name.find('/') != std::string_view::npos || name == "." || name == "..") {
    return "\"" + std::string(name) +
           "\" is not a file name: a template name may not hold \"/\" or be "
           "\".\" or \"..\".";
  }
  if (name.find('\0') != std::string_view::npos) {
    return "A template name may not hold a NUL character.";
  }
  return std::nullopt;
}

}  // namespace quillory
