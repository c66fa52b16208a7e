#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/temporary_input.h"

namespace quillory {

// A document as the PHP commands see it.
struct PhpDocument {
  std::string file_path;  // empty until first saved
  bool saved = false;
  std::string text;     // what the editor holds
  std::string caption;  // the tab's caption
};

// Removes from `folder` the hidden copies that a run cut short (the editor
// killed, the machine down) left there: files of exactly that name's
// pattern, owned by this user, regular (no link is followed), and not
// changed for a day, so no copy of a run still going is touched.
void SweepLeftCopies(const std::string& folder);

// The file PHP reads for a document, for as long as this object lives: its
// own file when that holds what the editor holds; otherwise a hidden copy
// of the text beside it (old ones left there are swept first), so that
// relative includes and __DIR__ behave as for the file, or, for a document
// never saved or a folder that takes no copy, a copy in a folder of its own
// inside the temporary folder. A copy is made under a name nobody can guess,
// readable by the user alone, never through a link, and removed at destruction.
class PhpInput {
 public:
  // `temp_folder` ends in "/".
  PhpInput(const PhpDocument& document, const std::string& temp_folder);
  ~PhpInput();
  PhpInput(const PhpInput&) = delete;
  PhpInput& operator=(const PhpInput&) = delete;

  // Empty when the text could not be written anywhere.
  const std::string& path() const { return path_; }
  // Why not, in words fit to show; empty when it was.
  const std::string& error() const { return error_; }
  // `output` with the copy's path, wherever PHP named it, replaced by the
  // document's: the user knows no copy.
  std::string NamingDocument(std::string_view output) const;

 private:
  std::string path_;
  std::string error_;
  std::string document_name_;
  std::string hidden_copy_;  // beside the document; removed at destruction
  std::optional<TemporaryInput> private_copy_;
};

}  // namespace quillory
