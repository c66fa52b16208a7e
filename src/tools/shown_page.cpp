#include "tools/shown_page.h"

#include <cstdio>

#include "base/atomic_write.h"
#include "base/private_temp_folder.h"

namespace quillory {

std::string WriteShownPage(const std::string& temp_folder, double random,
                           std::string_view text) {
  const auto number = static_cast<unsigned>(random * 8999999) + 1000000;
  char name[16];
  std::snprintf(name, sizeof name, "%X.tmp", number);
  const std::string path = temp_folder + name;
  const std::string page = "<html>" + std::string(text) + "\r\n";
  return CreateExclusiveFile(path, page).Succeeded() ? path : "";
}

}  // namespace quillory
