#include "page_corpus.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "base/document_line_ends.h"
#include "base/file_bytes.h"

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

// The pages of each folder directly under `folder` spread evenly over the
// list, so that the first 100 KB hold the same mix of kinds of page as the
// first 20 MB and the sizes compare like with like.
std::vector<std::filesystem::path> Mixed(
    const std::string& folder,
    const std::vector<std::filesystem::path>& pages) {
  std::map<std::filesystem::path, std::vector<std::filesystem::path>> groups;
  for (const std::filesystem::path& page : pages) {
    groups[*page.lexically_relative(folder).begin()].push_back(page);
  }
  std::vector<std::pair<double, std::filesystem::path>> placed;
  for (const auto& [name, group] : groups) {
    for (size_t i = 0; i < group.size(); ++i) {
      placed.emplace_back((i + 0.5) / static_cast<double>(group.size()),
                          group[i]);
    }
  }
  std::sort(placed.begin(), placed.end());
  std::vector<std::filesystem::path> mixed;
  for (auto& [place, page] : placed) mixed.push_back(std::move(page));
  return mixed;
}

std::vector<std::filesystem::path> ListChosenPages(const char* folder) {
  std::vector<std::filesystem::path> pages = Mixed(folder, PagesUnder(folder));
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
// from a large folder reads a few files. Each page is taken as the editor
// holds it once opened: a page with LF line ends gets CR LF, which is what
// the colouring meets in the program. A text that runs out of line ends
// after the size ends with its last page instead.
std::string PageCorpus(const std::vector<std::filesystem::path>& pages,
                       size_t size) {
  std::string text;
  for (const std::filesystem::path& page : pages) {
    if (text.size() >= size) break;
    if (std::optional<std::string> read = ReadFileBytes(page.string())) {
      const std::string bytes = HoldForEditing(std::move(*read)).text;
      text += bytes;
      // A PHP file may end inside its block; alone it would colour only
      // itself as PHP, joined it would colour every page after it.
      const size_t open = bytes.rfind("<?");
      if (open != std::string::npos &&
          bytes.find("?>", open) == std::string::npos) {
        text += "?>\r\n";
      }
    }
  }
  if (text.empty()) return text;
  const std::string once = text.size() < size ? text : std::string();
  while (text.size() < size) text += once;
  const size_t line_end = text.find('\n', size - 1);
  if (line_end != std::string::npos) text.resize(line_end + 1);
  return text;
}

std::string SampleOf(std::string_view text, size_t size) {
  constexpr size_t kPieces = 20;
  const size_t piece = size / kPieces;
  std::string sample;
  for (size_t i = 0; i < kPieces; ++i) {
    const size_t line = text.find('\n', i * (text.size() / kPieces));
    if (line == std::string_view::npos) break;
    const size_t end = text.find('\n', line + piece);
    sample += text.substr(line + 1, end - line);
  }
  return sample;
}

}  // namespace quillory::bench
