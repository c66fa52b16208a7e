#include "tools/preview_page.h"

#include <cctype>
#include <cstdio>

#include "base/text_util.h"
#include "editor/case_blind_search.h"
#include "tools/preview_address.h"

namespace quillory {
namespace {

// Where the head's content starts: after "<head>" or "<head ...>" (not
// "<header>"); npos when the text has no head.
size_t HeadContentStart(std::string_view text) {
  constexpr std::string_view kHead = "<head";
  for (int64_t found = FindForward(text, kHead, 1); found > 0;
       found = FindForward(text, kHead, found + 1)) {
    const size_t after = static_cast<size_t>(found) - 1 + kHead.size();
    if (after >= text.size()) break;
    if (text[after] == '>' ||
        std::isspace(static_cast<unsigned char>(text[after]))) {
      const size_t end = text.find('>', after);
      return end == std::string_view::npos ? end : end + 1;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::string AsFolder(std::string_view folder) {
  std::string result(folder);
  if (!result.empty() && !result.ends_with('/')) result += '/';
  return result;
}

std::string WithBaseHref(std::string_view text, std::string_view folder) {
  const std::string base = "<base href=\"" + FileUrl(folder) + "\">";
  size_t at = HeadContentStart(text);
  if (at == std::string_view::npos) at = 0;
  std::string page(text.substr(0, at));
  page += base;
  page += text.substr(at);
  return page;
}

PreviewPageMaker::PreviewPageMaker(std::function<double()> random)
    : random_(std::move(random)) {}

PreviewPageMaker::~PreviewPageMaker() { Remove(); }

void PreviewPageMaker::Remove() {
  if (temporary_page_.empty()) return;
  std::remove(temporary_page_.c_str());
  temporary_page_.clear();
}

CreatedFile PreviewPageMaker::Make(const PreviewSource& source,
                                   const PreviewFolders& folders) {
  Remove();
  const std::string& served = folders.served_folder;
  const bool has_file = !source.file_path.empty();
  const bool in_served = has_file && IsServedPath(source.file_path, served);
  if (has_file && source.saved && (served.empty() || in_served)) {
    return {source.file_path, ""};
  }
  std::string folder = folders.temp_folder;
  std::string text = source.text;
  if (!served.empty()) {
    folder = in_served ? std::string(FolderOfPath(source.file_path)) : served;
  } else if (has_file) {
    text = WithBaseHref(text, FolderOfPath(source.file_path));
  }
  const std::string_view extension =
      !served.empty() && source.kind == DocumentKind::kPhp ? ".php" : ".html";
  // NOTE: the server's folder may be shared with other users, so the page
  // is made under a name nobody holds, never written through a link.
  CreatedFile page = CreateUnderFreeName(
      folder, [&] { return PreviewPageName(random_(), extension); }, text);
  temporary_page_ = page.path;
  return page;
}

}  // namespace quillory
