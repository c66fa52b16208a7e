#pragma once

#include <QWidget>

#include <vector>

#include "platform/freedesktop_files.h"

class QCheckBox;
class QRadioButton;

namespace quillory {

class FileTypes;
class LangTable;

// The settings window's file types: one check box per web file type the
// desktop knows, naming its extensions, ticked while the program is
// registered for it in the chosen way. Each click registers or unregisters
// at once.
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
  std::vector<OpenedType> types_;
  std::vector<QCheckBox*> boxes_;
  QRadioButton* modes_[2] = {};  // the default action, one more action
};

}  // namespace quillory
