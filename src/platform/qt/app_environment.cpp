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

AppEnvironment AppEnvironmentFor(const std::string& program_folder,
                                 Layout layout) {
  AppEnvironment env;
  env.program_folder = WithSlash(program_folder);
  env.layout = layout;
  env.plugin_folder = env.program_folder + "plug-ins/";
  env.user_folder = XdgFolder("XDG_CONFIG_HOME", ".config") + "quillory/";
  env.state_folder = XdgFolder("XDG_STATE_HOME", ".local/state") + "quillory/";
  env.temp_folder = TempFolder();
  // Only a build folder that can be written to holds settings.dat: an
  // installed program folder is shared by every user and belongs to the
  // package manager, even where root could write to it.
  const bool own = layout == Layout::kBuildFolder &&
                   access(env.program_folder.c_str(), W_OK) == 0;
  env.settings_path =
      (own ? env.program_folder : env.user_folder) + "settings.dat";
  return env;
}

AppEnvironment DetectAppEnvironment() {
  const QString executable_folder = QCoreApplication::applicationDirPath();
  const QDir installed(executable_folder + "/../share/quillory");
  if (!QDir(executable_folder + "/languages").exists() &&
      installed.exists("languages")) {
    AppEnvironment env = AppEnvironmentFor(
        installed.canonicalPath().toStdString(), Layout::kInstalled);
    env.plugin_folder =
        WithSlash(QDir(executable_folder + "/../lib/quillory/plug-ins")
                      .absolutePath()
                      .toStdString());
    return env;
  }
  return AppEnvironmentFor(executable_folder.toStdString());
}

}  // namespace quillory
