#include "app/ui/help_page_opener.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include "app/help_page.h"
#include "app/language_files.h"
#include "base/atomic_write.h"
#include "base/private_temp_folder.h"
#include "base/text_file.h"
#include "base/ui/named_caption_text.h"
#include "platform/app_environment.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

QDialog* MakeHelpWindow(const HelpPageHost& host, const std::string& page) {
  auto* window = new QDialog(host.parent);
  window->setObjectName("HelpWindow");
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(NamedCaption(host.captions, "HelpWindow", "Help"));
  window->resize(720, 560);
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  PageView* view = host.make_page_view ? host.make_page_view(window) : nullptr;
  if (view == nullptr) {
    layout->addWidget(
        new QLabel(NamedCaption(host.captions, "PreviewNoBrowser",
                                "The embedded browser is not available."),
                   window));
    return window;
  }
  view->Widget()->setObjectName("Web");
  layout->addWidget(view->Widget());
  view->ShowFile(QFile::decodeName(page.c_str()));
  return window;
}

}  // namespace

void OpenHelpPage(const HelpPageHost& host, const std::string& language) {
  const std::string help = ReadTextFile(LanguageFilePath(
      host.environment.program_folder, language, LanguageFile::kHelp));
  const CreatedFile page = CreateUnderFreeName(
      host.environment.temp_folder,
      [] { return HelpFileName(QRandomGenerator::global()->generateDouble()); },
      HelpPageBytes(help));
  if (page.path.empty()) {
    host.dialogs.ShowMessage(page.error, MessageIcon::kError);
    return;
  }
  MakeHelpWindow(host, page.path)->show();
}

}  // namespace quillory
