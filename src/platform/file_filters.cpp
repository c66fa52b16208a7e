#include "platform/file_filters.h"

#include <array>

namespace quillory {
namespace {

constexpr int kHtmlFiles = 54;
constexpr int kJavaScriptFiles = 55;
constexpr int kCssFiles = 56;
constexpr int kPhpFiles = 57;
constexpr int kAllFiles = 58;
constexpr int kSupportedFiles = 80;
constexpr int kProjectFiles = 122;

struct FilterRow {
  int caption_text;
  std::string_view patterns;
};

constexpr std::array<FilterRow, 6> kOpenRows = {{
    {kSupportedFiles, "*.html;*.htm;*.js;*.css;*.php;*.phtml;*.php3;*.qlp"},
    {kHtmlFiles, "*.html;*.htm"},
    {kJavaScriptFiles, "*.js"},
    {kPhpFiles, "*.php;*.phtml;*.php3"},
    {kProjectFiles, "*.qlp"},
    {kAllFiles, "*.*"},
}};

struct ExtensionRow {
  std::string_view extension;
  int caption_text;
};

constexpr std::array<ExtensionRow, 7> kSaveAsRows = {{
    {".html", kHtmlFiles},
    {".htm", kHtmlFiles},
    {".js", kJavaScriptFiles},
    {".css", kCssFiles},
    {".php", kPhpFiles},
    {".phtml", kPhpFiles},
    {".php3", kPhpFiles},
}};

int SaveAsCaptionText(std::string_view extension) {
  for (const ExtensionRow& row : kSaveAsRows) {
    if (row.extension == extension) return row.caption_text;
  }
  return kAllFiles;
}

FileFilter Filter(const LangTable& lang, int caption_text,
                  std::string_view patterns) {
  return FileFilter{lang.EntryOr(caption_text, ""), std::string(patterns)};
}

}  // namespace

std::vector<FileFilter> OpenFileFilters(const LangTable& lang) {
  std::vector<FileFilter> filters;
  for (const FilterRow& row : kOpenRows) {
    filters.push_back(Filter(lang, row.caption_text, row.patterns));
  }
  return filters;
}

std::vector<FileFilter> ListFileFilters(const LangTable& lang) {
  return {Filter(lang, kProjectFiles, "*.qlp")};
}

std::vector<FileFilter> SaveAsFileFilters(std::string_view tab_caption,
                                          const LangTable& lang) {
  const size_t dot = tab_caption.rfind('.');
  const std::string_view extension = dot == std::string_view::npos
                                         ? std::string_view()
                                         : tab_caption.substr(dot);
  return {
      Filter(lang, SaveAsCaptionText(extension), "*" + std::string(extension)),
      Filter(lang, kAllFiles, "*.*")};
}

}  // namespace quillory
