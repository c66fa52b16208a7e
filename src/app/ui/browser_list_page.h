#pragma once

#include <QWidget>

#include "base/settings.h"

class QLineEdit;
class QListWidget;

namespace quillory {

class Dialogs;
class LangTable;
class NamedCaptions;

// The settings window's external browsers: the list of the settings'
// entries and the five fields of one. Adding, removing and editing the
// chosen entry change the settings at once, not on OK.
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
  ExternalBrowser Fields() const;
  void SaveEdit();
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
