#include "app/ui/help_page_opener.h"

#include <QRandomGenerator>

#include "app/help_page.h"
#include "app/language_files.h"
#include "base/atomic_write.h"
#include "base/text_file.h"
#include "platform/app_environment.h"
#include "platform/dialogs.h"

namespace quillory {

void OpenHelpPage(const AppEnvironment& environment,
                  const std::string& language, DesktopServices services) {
  const std::string help = ReadTextFile(LanguageFilePath(
      environment.program_folder, language, LanguageFile::kHelp));
  const std::string path = HelpFilePath(
      environment.temp_folder, QRandomGenerator::global()->generateDouble());
  const WriteResult written =
      WriteTextFile(path, HelpPageBytes(help), WriteMode::kReplace);
  if (!written.Succeeded()) {
    services.dialogs.ShowMessage(written.error, MessageIcon::kError);
    return;
  }
  services.desktop.OpenWithDesktop(path);
}

}  // namespace quillory
