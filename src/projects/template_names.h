#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// A blank document type of the template window's type list.
struct BlankType {
  std::string_view caption;
  std::string_view extension;  // dot included
};

// In the order the type list shows them.
inline constexpr std::array<BlankType, 4> kBlankTypes = {{
    {"HTML File", ".html"},
    {"JavaScript File", ".js"},
    {"CSS File", ".css"},
    {"PHP File", ".php"},
}};

// The caption of a new untitled document of type `extension`.
std::string UntitledCaption(std::string_view extension);

// What the grid shows under a template's icon: the file name before its
// last ".", or the whole name without one.
std::string_view TemplateDisplayName(std::string_view file_name);

// A template's type: the file name from its last "." on, dot included; the
// whole name without one, so "README" makes a document "unknownREADME".
std::string_view TemplateType(std::string_view file_name);

// Why a name typed for a new template cannot be used, or nothing when it
// names a file inside the templates folder. A "/" or a name of "." or ".."
// would write somewhere else.
std::optional<std::string> TemplateNameProblem(std::string_view name);

}  // namespace quillory
