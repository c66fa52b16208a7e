#include "platform/qt/app_environment.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

namespace quillory {
namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string TempFolder() {
  for (const char* variable : {"TEMP", "TMPDIR"}) {
    const QByteArray value = qgetenv(variable);
    if (!value.isEmpty()) return WithSlash(value.toStdString());
  }
  return "/tmp/";
}

}  // namespace

std::string XdgFolder(const char* variable, const char* fallback_in_home) {
  const QByteArray value = qgetenv(variable);
  if (!value.isEmpty()) return WithSlash(value.toStdString());
  return WithSlash(QDir::homePath().toStdString() + "/" + fallback_in_home);
}

AppEnvironment AppEnvironmentFor(const std::string& program_folder) {
  AppEnvironment env;
  env.program_folder = WithSlash(program_folder);
  env.user_folder = XdgFolder("XDG_CONFIG_HOME", ".config") + "quillory/";
  env.state_folder = XdgFolder("XDG_STATE_HOME", ".local/state") + "quillory/";
  env.temp_folder = TempFolder();
  // An installed program folder is read-only; the settings then live with
  // the user's configuration.
  const bool writable = access(env.program_folder.c_str(), W_OK) == 0;
  env.settings_path =
      (writable ? env.program_folder : env.user_folder) + "settings.dat";
  return env;
}

AppEnvironment DetectAppEnvironment() {
  return AppEnvironmentFor(
      QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace quillory
