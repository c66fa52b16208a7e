#include "tools/temporary_input.h"

#include <stdlib.h>
#include <unistd.h>

#include "base/atomic_write.h"
#include "base/private_temp_folder.h"

namespace quillory {

TemporaryInput::TemporaryInput(const std::string& temp_folder,
                               const std::string& file_name,
                               std::string_view bytes) {
  std::string folder = temp_folder + "quillory-XXXXXX";
  // A relative folder would land wherever the program was started.
  if (!folder.starts_with('/') || mkdtemp(folder.data()) == nullptr) {
    error_ = "Could not make a temporary folder in \"" + temp_folder + "\".";
    return;
  }
  folder_ = folder;
  const std::string path = folder_ + "/" + file_name;
  const CreateResult created = CreateExclusiveFile(path, bytes);
  if (created.Succeeded()) {
    path_ = path;
  } else {
    error_ = created.error;
  }
}

TemporaryInput::~TemporaryInput() {
  if (!path_.empty()) unlink(path_.c_str());
  if (!folder_.empty()) rmdir(folder_.c_str());
}

}  // namespace quillory
