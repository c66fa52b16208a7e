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

std::string MimeAppsPath(const FreedesktopFolders& folders) {
  return folders.config_home + "mimeapps.list";
}

bool Contains(const std::vector<std::string>& items, const std::string& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

// Writes `text` unless the file holds it already; true when it was written.
bool Replace(const std::string& path, const std::string& text) {
  if (ReadTextFile(path) == text) return false;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(),
                                      ignored);
  return WriteTextFile(path, text, WriteMode::kReplace).Succeeded();
}

// The type stays on the entry's MimeType line while either association
// still names the entry.
std::vector<std::string> EntryTypes(const std::string& entry,
                                    const std::string& mime_apps,
                                    const std::string& mime_type) {
  std::vector<std::string> types = DesktopEntryMimeTypes(entry);
  std::erase(types, mime_type);
  const std::string id(kDesktopEntryName);
  for (Association association : {Association::kDefault, Association::kAdded}) {
    if (Contains(MimeAppsList(mime_apps, mime_type, association), id)) {
      types.push_back(mime_type);
      break;
    }
  }
  return types;
}

}  // namespace

RegistrationChanges RegisterFileType(const FreedesktopFolders& folders,
                                     const std::string& program_path,
                                     const std::string& extension,
                                     Registration registration,
                                     Association association) {
  const std::string mime_type = MimeTypeForExtension(extension);
  RegistrationChanges changes;
  if (registration == Registration::kRegister && IsOwnMimeType(mime_type)) {
    changes.mime_package = Replace(
        folders.data_home + "mime/packages/" + MimePackageName(mime_type),
        MimePackageText(mime_type, extension));
  }
  const std::string mime_apps =
      EditMimeApps(ReadTextFile(MimeAppsPath(folders)), mime_type,
                   kDesktopEntryName, association, registration);
  Replace(MimeAppsPath(folders), mime_apps);
  const std::string entry_path = DesktopEntryPath(folders);
  changes.desktop_entry = Replace(
      entry_path,
      DesktopEntryText(program_path, EntryTypes(ReadTextFile(entry_path),
                                                mime_apps, mime_type)));
  return changes;
}

bool IsFileTypeRegistered(const FreedesktopFolders& folders,
                          const std::string& program_path,
                          const std::string& extension,
                          Association association) {
  const std::string mime_type = MimeTypeForExtension(extension);
  const std::string entry = ReadTextFile(DesktopEntryPath(folders));
  if (DesktopEntryValue(entry, "Exec") != DesktopEntryExec(program_path) ||
      !Contains(DesktopEntryMimeTypes(entry), mime_type)) {
    return false;
  }
  const std::vector<std::string> listed =
      MimeAppsList(ReadTextFile(MimeAppsPath(folders)), mime_type, association);
  const std::string id(kDesktopEntryName);
  return association == Association::kDefault
             ? !listed.empty() && listed.front() == id
             : Contains(listed, id);
}

}  // namespace quillory
