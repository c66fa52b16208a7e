#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace quillory {

class Dialogs;
class FileTypes;
class LangTable;
class NamedCaptions;
class PhpVersionLabel;
struct Settings;

// The page the settings window opens on.
enum class SettingsPage { kLanguage, kFileTypes };

// What the settings window needs of the main window; all of it outlives
// the window.
struct SettingsWindowHost {
  QWidget* main_window;
  Settings& settings;
  const LangTable& lang;
  const NamedCaptions& captions;
  Dialogs& dialogs;
  FileTypes& file_types;
  std::string languages_folder;  // ends in "/"
  // After OK changed the settings: the interface language and the browser
  // menu follow them.
  std::function<void()> applied;
};

// The settings window `SettingsF`. Its language, preview, PHP and start-up
// fields reach the settings only on OK; the browser list and the file types
// change at once. Blocks the main window while open and deletes itself when
// closed.
class SettingsWindow : public QDialog {
  Q_OBJECT

 public:
  SettingsWindow(const SettingsWindowHost& host, SettingsPage page);

 private:
  QWidget* BuildLanguagePage();
  QWidget* BuildPreviewPage();
  QWidget* BuildPhpPage();
  // The interpreter found on PATH, offered while the settings name none.
  void OfferPhpOnPath(QBoxLayout& layout);
  void Fill();
  void ShowPreviewMode();
  void ChoosePhp();
  void ChooseServerFolder();
  void Accept();
  QString Text(int index) const;

  SettingsWindowHost host_;
  QTabWidget* pages_ = nullptr;
  QComboBox* languages_ = nullptr;
  QCheckBox* reopen_ = nullptr;
  QRadioButton* preview_modes_[2] = {};
  QLabel* server_label_ = nullptr;
  QLineEdit* server_folder_ = nullptr;
  QPushButton* server_browse_ = nullptr;
  QLineEdit* php_ = nullptr;
  PhpVersionLabel* php_version_ = nullptr;
};

}  // namespace quillory
