#pragma once

#include <string>

#include "app/file_type_registration.h"
#include "platform/file_types.h"

namespace quillory {

// File types registered in the user's XDG folders ($XDG_DATA_HOME,
// $XDG_CONFIG_HOME or their defaults under the home folder). The desktop's
// caches of those folders are rebuilt in the background when the tools
// for it are installed.
class FreedesktopFileTypes : public FileTypes {
 public:
  // `program_path`: the executable the desktop entry starts.
  explicit FreedesktopFileTypes(std::string program_path);

  void RegisterFileType(const std::string& extension, Registration registration,
                        Association association) override;
  bool IsFileTypeRegistered(const std::string& extension,
                            Association association) override;

 private:
  std::string program_path_;
  FreedesktopFolders folders_;
};

}  // namespace quillory
