#include "app/ui/file_types_page.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

#include "base/lang_table.h"
#include "base/ui/display_text.h"
#include "platform/file_types.h"

namespace quillory {
namespace {

constexpr int kModeCaptions[2] = {90, 91};

}  // namespace

FileTypesPage::FileTypesPage(FileTypes& file_types, const LangTable& lang,
                             QWidget* parent)
    : QWidget(parent), file_types_(file_types) {
  auto* layout = new QVBoxLayout(this);
  for (size_t i = 0; i < kOfferedFileTypes.size(); ++i) {
    boxes_[i] = new QCheckBox(QString::fromLatin1(kOfferedFileTypes[i].data(),
                                                  kOfferedFileTypes[i].size()),
                              this);
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
  for (size_t i = 0; i < kOfferedFileTypes.size(); ++i) {
    boxes_[i]->setChecked(file_types_.IsFileTypeRegistered(
        std::string(kOfferedFileTypes[i]), CurrentAssociation()));
  }
}

void FileTypesPage::Register(int type, bool ticked) {
  file_types_.RegisterFileType(
      std::string(kOfferedFileTypes[type]),
      ticked ? Registration::kRegister : Registration::kUnregister,
      CurrentAssociation());
}

}  // namespace quillory
