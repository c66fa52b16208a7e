#include "app/ui/settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/settings_form.h"
#include "app/ui/browser_list_page.h"
#include "app/ui/file_types_page.h"
#include "base/lang_table.h"
#include "base/ui/display_text.h"
#include "base/ui/named_caption_text.h"
#include "platform/dialogs.h"
#include "tools/browser_detection.h"
#include "tools/ui/php_version_label.h"

namespace quillory {
namespace {

constexpr int kPreviewModeCaptions[2] = {75, 76};
constexpr int kServerFolderLabel = 77;
constexpr int kLanguageLabel = 89;
constexpr int kPhpLabel = 104;
constexpr int kReopenCaption = 133;

// A field left as it was shown gives back the setting's own bytes, so OK
// without changes keeps even a value that is not valid UTF-8.
std::string FieldBytes(const QLineEdit* field, const std::string& setting) {
  const QString text = field->text();
  return text == DecodeForDisplay(setting) ? setting : text.toStdString();
}

QPushButton* BrowseButton(const char* name, const char* spoken,
                          QWidget* parent) {
  auto* button = new QPushButton("...", parent);
  button->setObjectName(name);
  button->setAccessibleName(spoken);
  return button;
}

std::optional<std::string> PhpOnPath() {
  const char* path = std::getenv("PATH");
  return FindOnPath("php", path != nullptr ? path : "");
}

}  // namespace

SettingsWindow::SettingsWindow(const SettingsWindowHost& host,
                               SettingsPage page)
    : QDialog(host.main_window), host_(host) {
  setObjectName("SettingsF");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(NamedCaption(host_.captions, "SettingsF", "Settings"));
  pages_ = new QTabWidget(this);
  pages_->setObjectName("Pages");
  pages_->setAccessibleName(windowTitle());
  const auto add_page = [this](QWidget* page, const char* name,
                               const char* english) {
    pages_->addTab(page, NamedCaption(host_.captions, name, english));
  };
  add_page(BuildLanguagePage(), "SettingsF.Language", "Language");
  add_page(BuildPreviewPage(), "SettingsF.Preview", "Preview");
  add_page(BuildPhpPage(), "SettingsF.Php", "PHP");
  add_page(new BrowserListPage(host_.settings, host_.lang, host_.captions,
                               host_.dialogs),
           "SettingsF.Browsers", "External browsers");
  auto* file_types = new FileTypesPage(host_.file_types, host_.lang);
  add_page(file_types, "SettingsF.FileTypes", "File types");
  if (page == SettingsPage::kFileTypes) pages_->setCurrentWidget(file_types);
  // The keyboard starts in the page, not on its tab.
  pages_->currentWidget()->setFocus();

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &SettingsWindow::Accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addWidget(ok, 0, Qt::AlignRight);
  resize(560, 440);
  Fill();
}

QString SettingsWindow::Text(int index) const {
  return DecodeForDisplay(host_.lang.EntryOr(index, ""));
}

QWidget* SettingsWindow::BuildLanguagePage() {
  auto* page = new QWidget(this);
  languages_ = new QComboBox(page);
  languages_->setObjectName("Combo1");
  for (const std::string& name : InterfaceLanguages(host_.languages_folder)) {
    languages_->addItem(QString::fromStdString(name));
  }
  reopen_ = new QCheckBox(Text(kReopenCaption), page);
  reopen_->setObjectName("OpenLastSession");
  auto* layout = new QFormLayout(page);
  layout->addRow(Text(kLanguageLabel), languages_);
  layout->addRow(reopen_);
  languages_->setAccessibleName(Text(kLanguageLabel));
  page->setFocusProxy(languages_);
  return page;
}

QWidget* SettingsWindow::BuildPreviewPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  for (int i = 0; i < 2; ++i) {
    preview_modes_[i] = new QRadioButton(Text(kPreviewModeCaptions[i]), page);
    preview_modes_[i]->setObjectName(QString("Option1_%1").arg(i));
    layout->addWidget(preview_modes_[i]);
  }
  server_label_ = new QLabel(Text(kServerFolderLabel), page);
  server_folder_ = new QLineEdit(page);
  server_folder_->setObjectName("Text1");
  server_folder_->setAccessibleName(server_label_->text());
  server_label_->setBuddy(server_folder_);
  server_browse_ =
      BrowseButton("BrowseServer", "Choose the HTTP server folder", page);
  auto* row = new QHBoxLayout();
  row->addWidget(server_folder_, 1);
  row->addWidget(server_browse_);
  layout->addWidget(server_label_);
  layout->addLayout(row);
  layout->addStretch(1);
  connect(preview_modes_[1], &QRadioButton::toggled, this,
          &SettingsWindow::ShowPreviewMode);
  connect(server_browse_, &QPushButton::clicked, this,
          &SettingsWindow::ChooseServerFolder);
  return page;
}

QWidget* SettingsWindow::BuildPhpPage() {
  auto* page = new QWidget(this);
  auto* label = new QLabel(Text(kPhpLabel), page);
  php_ = new QLineEdit(page);
  php_->setObjectName("Text2");
  php_->setAccessibleName(label->text());
  label->setBuddy(php_);
  auto* browse = BrowseButton("BrowsePhp", "Choose the PHP interpreter", page);
  php_version_ = new PhpVersionLabel(page);
  auto* row = new QHBoxLayout();
  row->addWidget(php_, 1);
  row->addWidget(browse);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(label);
  layout->addLayout(row);
  if (host_.settings.php.empty()) OfferPhpOnPath(*layout);
  layout->addWidget(php_version_);
  layout->addStretch(1);
  // The check asks the interpreter the settings name, not the field's, so
  // a new one answers once OK has stored it.
  connect(php_, &QLineEdit::textChanged, this,
          [this] { php_version_->Check(host_.settings.php); });
  connect(browse, &QPushButton::clicked, this, &SettingsWindow::ChoosePhp);
  return page;
}

void SettingsWindow::OfferPhpOnPath(QBoxLayout& layout) {
  const std::optional<std::string> found = PhpOnPath();
  if (!found) return;
  const QString path = QString::fromStdString(*found);
  auto* use = new QPushButton(
      NamedCaption(host_.captions, "SettingsF.UsePhp", "Use %1").arg(path),
      php_->parentWidget());
  use->setObjectName("UsePhp");
  layout.addWidget(use, 0, Qt::AlignLeft);
  connect(use, &QPushButton::clicked, this,
          [this, path] { php_->setText(path); });
}

void SettingsWindow::Fill() {
  const SettingsForm form = FormOfSettings(host_.settings);
  languages_->setCurrentIndex(
      languages_->findText(QString::fromStdString(form.language)));
  reopen_->setChecked(form.open_last_session);
  preview_modes_[form.http_server ? 1 : 0]->setChecked(true);
  ShowPreviewMode();
  server_folder_->setText(DecodeForDisplay(form.path_to_httpd));
  php_->setText(DecodeForDisplay(form.php));
  // An empty field raises no change, yet its check is due all the same.
  if (form.php.empty()) php_version_->Check(form.php);
}

void SettingsWindow::ShowPreviewMode() {
  const bool server = preview_modes_[1]->isChecked();
  for (QWidget* part : {static_cast<QWidget*>(server_label_),
                        static_cast<QWidget*>(server_folder_),
                        static_cast<QWidget*>(server_browse_)}) {
    part->setEnabled(server);
  }
}

void SettingsWindow::ChoosePhp() {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseFileToOpen({FileFilter{"php", "php*"}});
  if (chosen) php_->setText(QString::fromStdString(*chosen));
}

void SettingsWindow::ChooseServerFolder() {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseFolder(server_label_->text().toStdString());
  if (chosen) {
    server_folder_->setText(QString::fromStdString(ServerFolderField(*chosen)));
  }
}

void SettingsWindow::Accept() {
  const Settings& settings = host_.settings;
  if (!ApplySettingsForm({languages_->currentText().toStdString(),
                          preview_modes_[1]->isChecked(),
                          FieldBytes(server_folder_, settings.path_to_httpd),
                          FieldBytes(php_, settings.php), reopen_->isChecked()},
                         host_.settings)) {
    host_.dialogs.ShowMessage(LineBreakRefusal(host_.captions).toStdString(),
                              MessageIcon::kWarning);
    return;
  }
  host_.applied();
  close();
}

}  // namespace quillory
