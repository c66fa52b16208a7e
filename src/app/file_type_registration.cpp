#include "app/file_type_registration.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/atomic_write.h"
#include "base/text_file.h"

namespace quillory {
namespace {

std::string DesktopEntryPath(const FreedesktopFolders& folders) {
  return folders.data_home + "applications/" + std::string(kDesktopEntryName);
}

std::string MimePackagePath(const FreedesktopFolders& folders) {
  return folders.data_home + "mime/packages/quillory.xml";
}

std::string MimeAppsPath(const FreedesktopFolders& folders) {
  return folders.config_home + "mimeapps.list";
}

// Writes `text` unless the file holds it already; true when it was written.
bool Replace(const std::string& path, const std::string& text) {
  if (ReadTextFile(path) == text) return false;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(),
                                      ignored);
  return WriteTextFile(path, text, WriteMode::kReplace).Succeeded();
}

bool Remove(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::remove(path, ignored);
}

}  // namespace

RegistrationChanges RegisterFileType(const FreedesktopFolders& folders,
                                     const DesktopProgram& program,
                                     const std::string& mime_type,
                                     Registration registration,
                                     Association association) {
  RegistrationChanges changes;
  if (program.layout == Layout::kBuildFolder &&
      registration == Registration::kRegister) {
    changes.desktop_entry =
        Replace(DesktopEntryPath(folders),
                UserDesktopEntry(program.desktop_entry, program.path));
    changes.mime_package =
        Replace(MimePackagePath(folders), program.mime_package);
  }
  Replace(MimeAppsPath(folders),
          EditMimeApps(ReadTextFile(MimeAppsPath(folders)), mime_type,
                       kDesktopEntryName, association, registration));
  return changes;
}

bool IsFileTypeRegistered(const FreedesktopFolders& folders,
                          const DesktopProgram& program,
                          const std::string& mime_type,
                          Association association) {
  if (program.layout == Layout::kBuildFolder &&
      DesktopEntryValue(ReadTextFile(DesktopEntryPath(folders)), "Exec") !=
          DesktopEntryExec(program.path)) {
    return false;
  }
  const std::vector<std::string> listed =
      MimeAppsList(ReadTextFile(MimeAppsPath(folders)), mime_type, association);
  const std::string id(kDesktopEntryName);
  return association == Association::kDefault
             ? !listed.empty() && listed.front() == id
             : std::find(listed.begin(), listed.end(), id) != listed.end();
}

RegistrationChanges UnregisterAll(const FreedesktopFolders& folders) {
  std::string mime_apps = ReadTextFile(MimeAppsPath(folders));
  for (const OpenedType& type : OpenedTypes()) {
    for (Association association :
         {Association::kDefault, Association::kAdded}) {
      mime_apps = EditMimeApps(mime_apps, type.mime_type, kDesktopEntryName,
                               association, Registration::kUnregister);
    }
  }
  Replace(MimeAppsPath(folders), mime_apps);
  if (!IsUserDesktopEntry(ReadTextFile(DesktopEntryPath(folders)))) return {};
  return {Remove(DesktopEntryPath(folders)), Remove(MimePackagePath(folders))};
}

}  // namespace quillory
