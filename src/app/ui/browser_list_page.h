#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace quillory {

class Dialogs;
class LangTable;
class NamedCaptions;
struct Settings;

// The settings window's external browsers: the list of the settings'
// entries and the five fields of one. Adding and removing change the
// settings at once, not on OK.
class BrowserListPage : public QWidget {
  Q_OBJECT

 public:
  BrowserListPage(Settings& settings, const LangTable& lang,
                  const NamedCaptions& captions, Dialogs& dialogs,
                  QWidget* parent = nullptr);

 private:
  QWidget* BuildFields(const LangTable& lang);
  void ListBrowsers();
  void ShowEntry(int position);
  void Add();
  void Remove();
  void ChooseProgram();

  Settings& settings_;
  const NamedCaptions& captions_;
  Dialogs& dialogs_;
  QListWidget* list_ = nullptr;
  QLineEdit* fields_[5] = {};
};

}  // namespace quillory
