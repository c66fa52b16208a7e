#include "app/ui/about_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/language_files.h"
#include "base/lang_table.h"
#include "base/text_file.h"
#include "base/ui/display_text.h"
#include "platform/app_environment.h"

namespace quillory {
namespace {

constexpr int kAboutText = 12;
constexpr int kSecondLabelText = 87;

}  // namespace

AboutWindow::AboutWindow(const AppEnvironment& environment,
                         const std::string& language, const LangTable& lang,
                         QWidget* parent)
    : QDialog(parent) {
  setObjectName("AboutWindow");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(DecodeForDisplay(lang.EntryOr(kAboutText, "About")));

  auto* text = new QLabel(
      DecodeForDisplay(ReadTextFile(LanguageFilePath(
          environment.program_folder, language, LanguageFile::kAbout))),
      this);
  text->setObjectName("Label1");
  text->setTextFormat(Qt::PlainText);  // its lines are broken as written
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* second =
      new QLabel(DecodeForDisplay(lang.EntryOr(kSecondLabelText, "")), this);
  second->setObjectName("Label2");
  second->setTextFormat(Qt::PlainText);
  second->setWordWrap(true);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(second);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace quillory
