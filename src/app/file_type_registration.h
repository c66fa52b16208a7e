#pragma once

#include <string>

#include "platform/app_environment.h"
#include "platform/freedesktop_files.h"

namespace quillory {

// The user's freedesktop folders, each ending in "/".
struct FreedesktopFolders {
  std::string data_home;    // $XDG_DATA_HOME: applications/, mime/
  std::string config_home;  // $XDG_CONFIG_HOME: mimeapps.list
};

// The program the desktop is to start. An installed program's package
// brings the desktop entry and MIME package; a copy in a build folder
// writes them into the user's folders itself.
struct DesktopProgram {
  std::string path;  // the executable
  Layout layout = Layout::kBuildFolder;
  std::string desktop_entry;  // the shipped quillory.desktop
  std::string mime_package;   // the shipped shared-mime-info package
};

// What a registration changed, so the desktop's caches can be rebuilt.
struct RegistrationChanges {
  bool desktop_entry = false;
  bool mime_package = false;
};

// Makes the program open files of `mime_type` for this user, as their
// default application or as one more program offered (`association`);
// unregistering takes back only that association and leaves what other
// programs wrote. Files that cannot be written leave the registration
// partial, without a message.
RegistrationChanges RegisterFileType(const FreedesktopFolders& folders,
                                     const DesktopProgram& program,
                                     const std::string& mime_type,
                                     Registration registration,
                                     Association association);

// True when mimeapps.list names the desktop entry first among the type's
// defaults (kDefault) or among its added programs, and, for a copy outside
// a package, the user's entry starts this copy.
bool IsFileTypeRegistered(const FreedesktopFolders& folders,
                          const DesktopProgram& program,
                          const std::string& mime_type,
                          Association association);

// Takes every association with the desktop entry out of mimeapps.list and
// removes the entry and MIME package a copy outside a package wrote.
RegistrationChanges UnregisterAll(const FreedesktopFolders& folders);

}  // namespace quillory
