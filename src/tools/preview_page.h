#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/document_kind.h"
#include "base/private_temp_folder.h"

namespace quillory {

// The active document as the preview needs it.
struct PreviewSource {
  std::string file_path;  // empty until first saved
  bool saved = false;
  std::string text;
  DocumentKind kind = DocumentKind::kHtml;  // by the tab's caption
};

// Where the preview's pages go. Both end in "/".
struct PreviewFolders {
  std::string temp_folder;
  std::string served_folder;  // empty: pages are shown from their files
};

// `folder` as a folder path: with one "/" at its end however it was typed,
// so that it is taken out of a page's path whole.
std::string AsFolder(std::string_view folder);

// `text` with `<base href="file:///folder/">` as the first element of its
// head, or at its very start when it has none, so that a copy of the page
// elsewhere finds what it names relative to `folder` (ending in "/").
std::string WithBaseHref(std::string_view text, std::string_view folder);

// The page the preview shows for a document, and the temporary file made
// for it when the document's own file will not do. One temporary page is
// kept at a time: making one removes the one before, and so does
// destruction.
class PreviewPageMaker {
 public:
  // `random` gives numbers in [0, 1) for the pages' names.
  explicit PreviewPageMaker(std::function<double()> random);
  ~PreviewPageMaker();
  PreviewPageMaker(const PreviewPageMaker&) = delete;
  PreviewPageMaker& operator=(const PreviewPageMaker&) = delete;

  // The document's own file when it is saved (and lies in the served
  // folder when pages are served); otherwise a new page holding its text:
  // - shown from a file, in the temporary folder with a base of the
  //   document's folder;
  // - served, beside the document when it lies in the served folder, else
  //   at the served folder's top; a PHP page keeps ".php" so that PHP runs.
  CreatedFile Make(const PreviewSource& source, const PreviewFolders& folders);
  // Removes the last temporary page.
  void Remove();
  const std::string& TemporaryPage() const { return temporary_page_; }

 private:
  std::function<double()> random_;
  std::string temporary_page_;
};

}  // namespace quillory
