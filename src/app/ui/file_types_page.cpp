#include "app/ui/file_types_page.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "base/lang_table.h"
#include "base/ui/display_text.h"
#include "platform/file_types.h"

namespace quillory {
namespace {

constexpr int kModeCaptions[2] = {90, 91};

// The project type is always the program's own.
std::vector<OpenedType> WebFileTypes() {
  std::vector<OpenedType> types = OpenedTypes();
  std::erase_if(types, [](const OpenedType& type) {
    return type.mime_type == kProjectMimeType;
  });
  return types;
}

QString BoxCaption(const OpenedType& type) {
  QStringList extensions;
  for (const std::string& extension : type.extensions) {
    extensions << QString::fromStdString(extension);
  }
  return extensions.join(", ") + " (" + QString::fromStdString(type.mime_type) +
         ")";
}

}  // namespace

FileTypesPage::FileTypesPage(FileTypes& file_types, const LangTable& lang,
                             QWidget* parent)
    : QWidget(parent), file_types_(file_types), types_(WebFileTypes()) {
  auto* layout = new QVBoxLayout(this);
  for (size_t i = 0; i < types_.size(); ++i) {
    boxes_.push_back(new QCheckBox(BoxCaption(types_[i]), this));
    boxes_[i]->setObjectName(QString("Check1_%1").arg(i));
    layout->addWidget(boxes_[i]);
    // Clicks only: ticking a box to show the registration registers nothing.
    connect(boxes_[i], &QCheckBox::clicked, this,
            [this, i](bool ticked) { Register(static_cast<int>(i), ticked); });
  }
  layout->addSpacing(12);
  for (int i = 0; i < 2; ++i) {
    modes_[i] = new QRadioButton(
        DecodeForDisplay(lang.EntryOr(kModeCaptions[i], "")), this);
    modes_[i]->setObjectName(QString("Mode_%1").arg(i));
    layout->addWidget(modes_[i]);
  }
  layout->addStretch(1);
  setFocusProxy(boxes_[0]);
  modes_[0]->setChecked(true);
  connect(modes_[0], &QRadioButton::toggled, this,
          &FileTypesPage::ShowRegistrations);
  ShowRegistrations();
}

Association FileTypesPage::CurrentAssociation() const {
  return modes_[0]->isChecked() ? Association::kDefault : Association::kAdded;
}

void FileTypesPage::ShowRegistrations() {
  for (size_t i = 0; i < types_.size(); ++i) {
    boxes_[i]->setChecked(file_types_.IsFileTypeRegistered(
        types_[i].mime_type, CurrentAssociation()));
  }
}

void FileTypesPage::Register(int type, bool ticked) {
  file_types_.RegisterFileType(
      types_[type].mime_type,
      ticked ? Registration::kRegister : Registration::kUnregister,
      CurrentAssociation());
}

}  // namespace quillory
