#include "tools/php_input.h"

#include <unistd.h>

#include <cstdio>
#include <random>

#include "base/private_temp_folder.h"

namespace quillory {
namespace {

// NOTE: the document's folder may be writable by others, who must not
// guess the copy's name and plant something under it first.
std::string HiddenCopyName() {
  std::random_device entropy;
  char name[40];
  std::snprintf(name, sizeof name, ".quillory-%08x%08x.php", entropy(),
                entropy());
  return name;
}

}  // namespace

PhpInput::PhpInput(const PhpDocument& document,
                   const std::string& temp_folder) {
  const std::string& file = document.file_path;
  document_name_ = file.empty() ? document.caption : file;
  if (!file.empty() && document.saved) {
    path_ = file;
    return;
  }
  if (!file.empty()) {
    const CreatedFile copy = CreateUnderFreeName(
        file.substr(0, file.rfind('/') + 1), &HiddenCopyName, document.text);
    hidden_copy_ = path_ = copy.path;
    if (!path_.empty()) return;
  }
  private_copy_.emplace(temp_folder, "document.php", document.text);
  path_ = private_copy_->path();
  error_ = private_copy_->error();
}

PhpInput::~PhpInput() {
  if (!hidden_copy_.empty()) unlink(hidden_copy_.c_str());
}

std::string PhpInput::NamingDocument(std::string_view output) const {
  std::string named(output);
  if (path_.empty() || path_ == document_name_) return named;
  for (size_t at = named.find(path_); at != std::string::npos;
       at = named.find(path_, at + document_name_.size())) {
    named.replace(at, path_.size(), document_name_);
  }
  return named;
}

}  // namespace quillory
