#pragma once

#include <string>

#include "platform/freedesktop_files.h"

namespace quillory {

// The user's freedesktop folders, each ending in "/".
struct FreedesktopFolders {
  std::string data_home;    // $XDG_DATA_HOME: applications/, mime/
  std::string config_home;  // $XDG_CONFIG_HOME: mimeapps.list
};

// What a registration changed, so the desktop's caches can be rebuilt.
struct RegistrationChanges {
  bool desktop_entry = false;
  bool mime_package = false;
};

// Makes the program at `program_path` open files of `extension` (with its
// dot, any letter case) for this user, as their default application or as
// one more program offered (`association`); unregistering takes back only
// that association and leaves what other programs wrote. Files that cannot
// be written leave the registration partial, without a message.
RegistrationChanges RegisterFileType(const FreedesktopFolders& folders,
                                     const std::string& program_path,
                                     const std::string& extension,
                                     Registration registration,
                                     Association association);

// True when the desktop entry opens files with the program at
// `program_path`, lists the type, and mimeapps.list names the entry first
// among the type's defaults (kDefault) or among its added programs.
bool IsFileTypeRegistered(const FreedesktopFolders& folders,
                          const std::string& program_path,
                          const std::string& extension,
                          Association association);

}  // namespace quillory
