#include "platform/qt/freedesktop_file_types.h"

#include <QFile>
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

// The files the package installs, built into the program so that a copy
// outside a package writes the same ones.
std::string ShippedFile(const char* name) {
  QFile file(QString(":/desktop/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString()
                                        : std::string();
}

}  // namespace

FreedesktopFileTypes::FreedesktopFileTypes(std::string program_path,
                                           Layout layout)
    : program_{std::move(program_path), layout, ShippedFile("quillory.desktop"),
               ShippedFile("quillory-mime.xml")},
      folders_{XdgFolder("XDG_DATA_HOME", ".local/share"),
               XdgFolder("XDG_CONFIG_HOME", ".config")} {}

void FreedesktopFileTypes::RegisterFileType(const std::string& mime_type,
                                            Registration registration,
                                            Association association) {
  RebuildCaches(quillory::RegisterFileType(folders_, program_, mime_type,
                                           registration, association));
}

bool FreedesktopFileTypes::IsFileTypeRegistered(const std::string& mime_type,
                                                Association association) {
  return quillory::IsFileTypeRegistered(folders_, program_, mime_type,
                                        association);
}

void FreedesktopFileTypes::UnregisterAll() {
  RebuildCaches(quillory::UnregisterAll(folders_));
}

void FreedesktopFileTypes::RebuildCaches(RegistrationChanges changes) const {
  if (changes.desktop_entry) {
    RebuildCache("update-desktop-database",
                 folders_.data_home + "applications");
  }
  if (changes.mime_package) {
    RebuildCache("update-mime-database", folders_.data_home + "mime");
  }
}

}  // namespace quillory
