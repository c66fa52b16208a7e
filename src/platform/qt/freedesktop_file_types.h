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
  // `program_path`: the executable the desktop is to start.
  FreedesktopFileTypes(std::string program_path, Layout layout);

  void RegisterFileType(const std::string& mime_type, Registration registration,
                        Association association) override;
  bool IsFileTypeRegistered(const std::string& mime_type,
                            Association association) override;
  // Undoes every registration of this user, whichever copy made it.
  void UnregisterAll();

 private:
  void RebuildCaches(RegistrationChanges changes) const;

  DesktopProgram program_;
  FreedesktopFolders folders_;
};

}  // namespace quillory
