#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// One command of a reference file.
struct ReferenceEntry {
  std::string name;
  std::string description;
  std::string template_text;  // inserted through the element dialog
};

struct ReferenceGroup {
  std::string name;
  std::vector<ReferenceEntry> entries;  // in file order
};

// A reference file: a title, then groups of commands.
struct ReferenceFile {
  std::string title;
  std::vector<ReferenceGroup> groups;  // in file order
};

// Control characters that structure a reference file.
inline constexpr char kTitleEnd = '\x01';  // title, body, and the ignored rest
inline constexpr char kGroupEnd = '\x02';  // between groups of the body
inline constexpr char kEntryEnd = '\x03';  // group name, then its entries
inline constexpr char kFieldEnd = '\x04';  // name, description, template

// Reads what there is: missing pieces are empty, extra pieces are ignored.
// A text without a title end has a title and no groups.
ReferenceFile ParseReferenceFile(std::string_view text);

// The file at `path`; a file that cannot be read gives an empty title and no
// groups. A file whose line ends are all LF is read as if they were CR LF.
ReferenceFile LoadReferenceFile(const std::string& path);

}  // namespace quillory
