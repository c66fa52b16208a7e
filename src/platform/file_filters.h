#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/lang_table.h"

namespace quillory {

// One choice of a file dialog's type list.
struct FileFilter {
  std::string caption;   // an interface text; empty when the table lacks it
  std::string patterns;  // ";" between patterns: "*.html;*.htm"

  bool operator==(const FileFilter&) const = default;
};

// The Open dialog's list: all supported files (80), HTML (54),
// JavaScript (55), PHP (57), projects (122), all files (58).
std::vector<FileFilter> OpenFileFilters(const LangTable& lang);

// The list of a dialog that names a list file: projects (122) alone.
std::vector<FileFilter> ListFileFilters(const LangTable& lang);

// The Save As dialog's list for a document captioned `tab_caption`: first
// the filter of the caption's extension (its text from the last "." on,
// letter case significant: ".html"/".htm" HTML, ".js" JavaScript, ".css"
// CSS, ".php"/".phtml"/".php3" PHP, anything else all files with "*" and
// that extension, "*" alone for a caption without "."), then all files.
std::vector<FileFilter> SaveAsFileFilters(std::string_view tab_caption,
                                          const LangTable& lang);

}  // namespace quillory
