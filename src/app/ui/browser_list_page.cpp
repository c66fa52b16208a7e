#include "app/ui/browser_list_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>

#include "app/settings_form.h"
#include "base/lang_table.h"
#include "base/ui/display_text.h"
#include "base/ui/named_caption_text.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

constexpr int kListLabel = 105;
constexpr int kAddCaption = 106;
constexpr int kFirstFieldLabel = 107;
constexpr int kRemoveCaption = 112;
constexpr int kProgramField = 3;

QString Entry(const LangTable& lang, int index) {
  return DecodeForDisplay(lang.EntryOr(index, ""));
}

}  // namespace

BrowserListPage::BrowserListPage(Settings& settings, const LangTable& lang,
                                 const NamedCaptions& captions,
                                 Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      captions_(captions),
      dialogs_(dialogs) {
  auto* label = new QLabel(Entry(lang, kListLabel), this);
  list_ = new QListWidget(this);
  list_->setObjectName("List1");
  list_->setAccessibleName(label->text());
  label->setBuddy(list_);
  auto* add = new QPushButton(Entry(lang, kAddCaption), this);
  add->setObjectName("AddBrowser");
  auto* remove = new QPushButton(Entry(lang, kRemoveCaption), this);
  remove->setObjectName("RemoveBrowser");
  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  buttons->addWidget(add);
  buttons->addWidget(remove);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(list_, 1);
  layout->addWidget(BuildFields(lang));
  layout->addLayout(buttons);
  connect(list_, &QListWidget::currentRowChanged, this,
          &BrowserListPage::ShowEntry);
  connect(add, &QPushButton::clicked, this, &BrowserListPage::Add);
  connect(remove, &QPushButton::clicked, this, &BrowserListPage::Remove);
  ListBrowsers();
}

// Labels 107 to 111; the program's field has its browse button.
QWidget* BrowserListPage::BuildFields(const LangTable& lang) {
  auto* area = new QWidget(this);
  auto* form = new QFormLayout(area);
  form->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 5; ++i) {
    fields_[i] = new QLineEdit(area);
    fields_[i]->setObjectName(QString("Field%1").arg(i));
    const QString caption = Entry(lang, kFirstFieldLabel + i);
    fields_[i]->setAccessibleName(caption);
    connect(fields_[i], &QLineEdit::textEdited, this,
            &BrowserListPage::SaveEdit);
    if (i != kProgramField) {
      form->addRow(caption, fields_[i]);
      continue;
    }
    auto* row = new QHBoxLayout();
    auto* browse = new QPushButton("...", area);
    browse->setObjectName("BrowseProgram");
    browse->setAccessibleName("Choose the browser program");
    row->addWidget(fields_[i], 1);
    row->addWidget(browse);
    form->addRow(caption, row);
    connect(browse, &QPushButton::clicked, this,
            &BrowserListPage::ChooseProgram);
  }
  return area;
}

void BrowserListPage::ListBrowsers() {
  list_->clear();
  for (const std::string& caption : BrowserListCaptions(settings_)) {
    list_->addItem(DecodeForDisplay(caption));
  }
}

void BrowserListPage::ShowEntry(int position) {
  if (position < 0) return;
  const ExternalBrowser browser = BrowserAtPosition(settings_, position);
  for (int i = 0; i < 5; ++i) fields_[i]->setText(DecodeForDisplay(browser[i]));
}

ExternalBrowser BrowserListPage::Fields() const {
  ExternalBrowser browser;
  for (int i = 0; i < 5; ++i) browser[i] = fields_[i]->text().toStdString();
  return browser;
}

// An edit of the chosen entry's fields is kept as it is typed, once every
// field the program uses holds something; half-typed states are not shown
// as errors.
void BrowserListPage::SaveEdit() {
  const int position = list_->currentRow();
  if (position < 0) return;
  const ExternalBrowser browser = Fields();
  if (ChangeBrowserEntry(settings_, position, browser) ==
      BrowserEntryCheck::kTaken) {
    list_->item(position)->setText(DecodeForDisplay(browser[0]));
  }
}

void BrowserListPage::Add() {
  switch (AddBrowserEntry(settings_, Fields())) {
    case BrowserEntryCheck::kTaken:
      ListBrowsers();
      return;
    case BrowserEntryCheck::kFieldEmpty:
      dialogs_.ShowMessage("Some fields are empty!", MessageIcon::kNone);
      return;
    case BrowserEntryCheck::kLineBreak:
      dialogs_.ShowMessage(LineBreakRefusal(captions_).toStdString(),
                           MessageIcon::kWarning);
      return;
  }
}

void BrowserListPage::Remove() {
  RemoveBrowserEntry(settings_, list_->currentRow());
  ListBrowsers();
}

void BrowserListPage::ChooseProgram() {
  const std::optional<std::string> chosen =
      dialogs_.ChooseFileToOpen({FileFilter{"*", "*"}});
  if (chosen) fields_[kProgramField]->setText(QString::fromStdString(*chosen));
}

}  // namespace quillory
