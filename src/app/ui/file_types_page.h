#pragma once

#include <QWidget>

#include "app/settings_form.h"

class QCheckBox;
class QRadioButton;

namespace quillory {

class FileTypes;
class LangTable;
enum class Association;

// The settings window's file types: one check box per offered type, ticked
// while the program is registered for it in the chosen way. Each click
// registers or unregisters at once.
class FileTypesPage : public QWidget {
  Q_OBJECT

 public:
  FileTypesPage(FileTypes& file_types, const LangTable& lang,
                QWidget* parent = nullptr);

 private:
  Association CurrentAssociation() const;
  void ShowRegistrations();
  void Register(int type, bool ticked);

  FileTypes& file_types_;
  QCheckBox* boxes_[kOfferedFileTypes.size()] = {};
  QRadioButton* modes_[2] = {};  // the default action, one more action
};

}  // namespace quillory
