#include "insert/ui/new_tag.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/named_captions.h"
#include "base/ui/display_text.h"
#include "base/ui/named_caption_text.h"
#include "editor/ui/editor.h"
#include "insert/ui/coloured_insert.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

// 25 twips between rows, at 15 twips to a pixel.
constexpr int kRowGap = 2;
constexpr char kFormTitleCaption[] = "NewTag.Form";
constexpr char kCancelCaption[] = "NewTag.Cancel";
constexpr int kTitleBarButtons = 140;
constexpr char kTableTooLargeCaption[] = "NewTag.TableTooLarge";
constexpr char kTableTooLargeText[] =
    "Too many rows or columns: a table holds at most 1,000,000 cells.";

// A row without a name is known by what it can hold.
QString SpokenName(const DialogRow& row) {
  if (!row.name.empty()) return DecodeForDisplay(row.name);
  QStringList choices;
  for (const std::string& choice : row.choices) {
    if (!choice.empty()) choices.push_back(DecodeForDisplay(choice));
  }
  return choices.join(", ");
}

}  // namespace

NewTag::NewTag(ElementDialogHost host, QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName("NewTag");
  auto* layout = new QVBoxLayout(this);
  grid_ = new QGridLayout;
  grid_->setVerticalSpacing(kRowGap);
  grid_->setColumnStretch(1, 1);
  layout->addLayout(grid_);
  // The dialog is as large as its rows need and no larger, so no empty band
  // grows under the buttons.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Command1");
  ok->setDefault(true);
  buttons->addWidget(ok);
  auto* cancel = new QPushButton(
      DecodeForDisplay(host_.captions.FindOr(kCancelCaption, "Cancel")), this);
  cancel->setObjectName("Cancel");
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &NewTag::OnOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ok_ = ok;
  cancel_ = cancel;
}

// The title bar's own font and buttons are the window manager's; a bold
// application font and a fixed allowance for the buttons keep the title
// whole on common desktops. A strut, since the layout fixes the size.
void NewTag::SetTitle(const QString& title) {
  setWindowTitle(title);
  QFont bold = font();
  bold.setBold(true);
  const int needed =
      QFontMetrics(bold).horizontalAdvance(title) + kTitleBarButtons;
  static_cast<QBoxLayout*>(layout())->addStrut(needed);
}

// Dialogs without a title of their own are named after their element.
void NewTag::StartForm(ElementGroup group, int num) {
  model_.StartForm(group, num);
  const std::string title =
      model_.title() ? host_.captions.FindOr(kFormTitleCaption, *model_.title())
                     : std::string(model_.rows().Value(0));
  SetTitle(DecodeForDisplay(title));
  ShowRows();
}

void NewTag::StartFromTree(std::string_view element, std::string_view text) {
  const std::optional<std::string> at_once =
      model_.StartFromTree(element, text);
  SetTitle(DecodeForDisplay(element));
  if (at_once) {
    Insert(*at_once);
    return;
  }
  ShowRows();
}

// The focus goes to the first field still to be filled in, so that typing
// does not replace the element's name or a default.
void NewTag::ShowRows() {
  const std::vector<DialogRow>& rows = model_.rows().rows();
  QWidget* first = nullptr;
  QWidget* first_empty = nullptr;
  for (size_t row = 0; row < rows.size(); ++row) {
    if (!rows[row].name.empty()) {
      auto* name = new QLabel(DecodeForDisplay(rows[row].name), this);
      name->setObjectName("PropName");
      grid_->addWidget(name, static_cast<int>(row), 0);
    }
    QWidget* cell = ValueCell(row, rows[row]);
    cell->setAccessibleName(SpokenName(rows[row]));
    grid_->addWidget(cell, static_cast<int>(row), 1);
    if (!first) first = cell;
    if (!first_empty && rows[row].cell == ValueCell::kTextBox &&
        rows[row].text.empty()) {
      first_empty = cell;
    }
    // The rows come before the buttons, which stay last in the tab order.
    setTabOrder(cell, ok_);
    setTabOrder(ok_, cancel_);
  }
  if (QWidget* focus = first_empty ? first_empty : first) focus->setFocus();
}

QWidget* NewTag::ValueCell(size_t row, const DialogRow& cell) {
  if (cell.cell == ValueCell::kList) {
    auto* list = new QComboBox(this);
    list->setObjectName("PropValueC");
    // An empty choice is still read out as one.
    const QString no_choice =
        NamedCaption(host_.captions, "NewTag.NoChoice", "(none)");
    for (const std::string& choice : cell.choices) {
      list->addItem(DecodeForDisplay(choice));
      if (choice.empty()) {
        list->setItemData(list->count() - 1, no_choice, Qt::AccessibleTextRole);
      }
    }
    list->setCurrentIndex(cell.selected);
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, row](int entry) { model_.rows().Select(row, entry); });
    return list;
  }
  auto* box = new QLineEdit(DecodeForDisplay(cell.text), this);
  box->setObjectName("PropValue");
  box->setReadOnly(cell.cell == ValueCell::kLockedTextBox);
  if (!box->isReadOnly()) value_boxes_.emplace_back(row, box);
  return box;
}

// A value the document cannot hold, or a table too large to build, keeps
// the dialog open with nothing inserted.
void NewTag::OnOk() {
  if (!TakeValues()) return;
  const std::optional<std::string> output = model_.Ok();
  if (model_.Refused()) {
    host_.dialogs.ShowMessage(
        host_.captions.FindOr(kTableTooLargeCaption, kTableTooLargeText),
        MessageIcon::kWarning);
    return;
  }
  if (output) Insert(*output);
  accept();
}

// All values are asked about at once, so that a conversion to UTF-8 that
// one of them needs holds for every one of them.
bool NewTag::TakeValues() {
  QString all;
  for (const auto& [row, box] : value_boxes_) all += box->text();
  if (!host_.rich.BytesToInsert(all)) return false;
  for (const auto& [row, box] : value_boxes_) {
    model_.rows().SetText(
        row, EncodeForDocument(box->text(), host_.rich.Encoding()).bytes);
  }
  return true;
}

void NewTag::Insert(const std::string& output) {
  InsertColoured(host_.rich, host_.highlighter, output);
}

}  // namespace quillory
