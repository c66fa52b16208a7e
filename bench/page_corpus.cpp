#include "page_corpus.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>

#include "app/file_bytes.h"

namespace quillory::bench {
namespace {

bool IsPage(const std::filesystem::path& file) {
  static const std::set<std::string> kExtensions = {".html", ".htm", ".php",
                                                    ".css", ".js"};
  return kExtensions.count(file.extension().string()) > 0;
}

// Symbolic links are followed, so a folder of links to other folders
// serves as a mix of pages without copying them.
std::vector<std::filesystem::path> PagesUnder(const std::string& folder) {
  namespace fs = std::filesystem;
  const auto options = fs::directory_options::follow_directory_symlink |
                       fs::directory_options::skip_permission_denied;
  std::vector<fs::path> pages;
  for (const fs::directory_entry& entry :
       fs::recursive_directory_iterator(folder, options)) {
    if (entry.is_regular_file() && IsPage(entry.path())) {
      pages.push_back(entry.path());
    }
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

std::vector<std::filesystem::path> ListChosenPages(const char* folder) {
  std::vector<std::filesystem::path> pages = PagesUnder(folder);
  if (pages.empty()) {
    std::fprintf(stderr, "no pages under QUILLORY_BENCH_PAGES=%s\n", folder);
    std::exit(1);
  }
  std::fprintf(stderr, "corpus: %zu real pages under %s\n", pages.size(),
               folder);
  return pages;
}

}  // namespace

const std::vector<std::filesystem::path>* BenchPages() {
  static const std::optional<std::vector<std::filesystem::path>> pages =
      []() -> std::optional<std::vector<std::filesystem::path>> {
    const char* folder = std::getenv("QUILLORY_BENCH_PAGES");
    if (folder == nullptr) {
      std::fprintf(stderr, "corpus: generated\n");
      return std::nullopt;
    }
    return ListChosenPages(folder);
  }();
  return pages ? &*pages : nullptr;
}

// Whole pages are read only until the size is reached, so a small corpus
// from a large folder reads a few files. A text that runs out of line ends
// after the size ends with its last page instead.
std::string PageCorpus(const std::vector<std::filesystem::path>& pages,
                       size_t size) {
  std::string text;
  for (const std::filesystem::path& page : pages) {
    if (text.size() >= size) break;
    if (std::optional<std::string> bytes = ReadFileBytes(page.string())) {
      text += *bytes;
    }
  }
  if (text.empty()) return text;
  const std::string once = text.size() < size ? text : std::string();
  while (text.size() < size) text += once;
  const size_t line_end = text.find('\n', size - 1);
  if (line_end != std::string::npos) text.resize(line_end + 1);
  return text;
}

}  // namespace quillory::bench
