#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The categories of the tag lists window, in the order it shows them.
enum class TagCategory { kHtml, kJavaScript, kCss, kPhp };

// One entry of a tag file: what the list shows and what goes in.
struct TagEntry {
  std::string caption;
  std::string snippet;
};

// Entries end at "||"; each piece loses the line break before it, the
// text after the last "||" is ignored and a piece without "///" gives no
// entry. A snippet may itself hold "///" and line breaks.
std::vector<TagEntry> ParseTagFile(std::string_view text);

// The entries of the file at `path`; a file that cannot be read has none.
std::vector<TagEntry> LoadTagFile(const std::string& path);

// The file in a language folder that holds `category`; CSS has none.
std::string_view TagFileName(TagCategory category);

// What replaces `selected` when `entry` is chosen: in the HTML category a
// snippet without "<" is a tag name whose pair wraps the selection; any
// other snippet goes in as it is.
std::string TagEntryText(TagCategory category, const TagEntry& entry,
                         std::string_view selected);

}  // namespace quillory
