#include "platform/qt/freedesktop_file_types.h"

#include <QProcess>
#include <QStandardPaths>

#include <utility>

#include "platform/qt/app_environment.h"

namespace quillory {
namespace {

// Only the user's own folder is rebuilt; the system's caches are not ours.
void RebuildCache(const char* tool, const std::string& folder) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (!program.isEmpty()) {
    QProcess::startDetached(program, {QString::fromStdString(folder)});
  }
}

}  // namespace

FreedesktopFileTypes::FreedesktopFileTypes(std::string program_path)
    : program_path_(std::move(program_path)),
      folders_{XdgFolder("XDG_DATA_HOME", ".local/share"),
               XdgFolder("XDG_CONFIG_HOME", ".config")} {}

void FreedesktopFileTypes::RegisterFileType(const std::string& extension,
                                            Registration registration,
                                            Association association) {
  const RegistrationChanges changes = quillory::RegisterFileType(
      folders_, program_path_, extension, registration, association);
  if (changes.desktop_entry) {
    RebuildCache("update-desktop-database",
                 folders_.data_home + "applications");
  }
  if (changes.mime_package) {
    RebuildCache("update-mime-database", folders_.data_home + "mime");
  }
}

bool FreedesktopFileTypes::IsFileTypeRegistered(const std::string& extension,
                                                Association association) {
  return quillory::IsFileTypeRegistered(folders_, program_path_, extension,
                                        association);
}

}  // namespace quillory
