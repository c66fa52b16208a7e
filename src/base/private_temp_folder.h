#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quillory {

// A folder of this run alone for the pages and copies the program hands to
// browsers and tools: made afresh inside a shared temporary folder, open to
// the user alone (0700), and removed with everything in it at destruction.
// Another local user can neither take a name inside it nor plant a link
// there.
class PrivateTempFolder {
 public:
  // `parent` ends in "/".
  explicit PrivateTempFolder(const std::string& parent);
  ~PrivateTempFolder();
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

  // Ends in "/"; empty when the folder could not be made.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Empty `error` means the file was made; otherwise it says why not, naming
// the file, in words fit to show.
struct CreateResult {
  bool name_taken = false;  // something, maybe a link, already has the name
  std::string error;
  bool Succeeded() const { return error.empty(); }
};

// Makes a new file at `path` holding `bytes`, readable by the user alone
// (0600). Whatever already has the name, a symbolic link above all, is left
// as it is and nothing is written through it. A failed write removes the
// new file.
[[nodiscard]] CreateResult CreateExclusiveFile(const std::string& path,
                                               std::string_view bytes);

struct CreatedFile {
  std::string path;   // empty when no file was made
  std::string error;  // why not, fit to show
};

// CreateExclusiveFile in `folder` (ending in "/") under the names
// `next_name` gives, until one is free; a few names are tried, never
// more.
CreatedFile CreateUnderFreeName(const std::string& folder,
                                const std::function<std::string()>& next_name,
                                std::string_view bytes);

}  // namespace quillory
