#include "editor/ui/find_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <utility>

#include "base/lang_table.h"
#include "base/ui/display_text.h"
#include "editor/ui/editor.h"
#include "editor/ui/editor_replace_all.h"
#include "editor/ui/editor_search_target.h"
#include "editor/ui/highlighter.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

// Interface texts of the window, with what shows when an entry is missing.
struct Text {
  int entry;
  const char* fallback;
};
constexpr Text kFindWhat{41, "Find what:"};
constexpr Text kFindNext{42, "Find next"};
constexpr Text kReplaceWith{43, "Replace with:"};
constexpr Text kReplace{44, "Replace"};
constexpr Text kReplaceAll{45, "Replace all"};
constexpr Text kOptions[] = {
    {46, "From the beginning"}, {47, "From the cursor"}, {48, "Backwards"}};
constexpr Text kTitle{49, "Find and replace"};
constexpr Text kSearch{51, "Search"};

QString Caption(const LangTable& lang, Text text) {
  return DecodeForDisplay(lang.EntryOr(text.entry, text.fallback));
}

QLineEdit* NamedEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

QPushButton* NamedButton(const char* name, const QString& caption,
                         QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

FindWindow::FindWindow(const FindWindowHost& host, const LangTable& lang)
    : QDialog(host.main_window, Qt::Tool),
      host_(host),
      not_found_(Caption(lang, {kNotFoundEntry, "The text was not found."})
                     .toStdString()) {
  setObjectName("FindF");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle(Caption(lang, kTitle));
  auto* stack = new QStackedWidget(this);
  panels_[0] = BuildFindPanel(lang);
  panels_[1] = BuildReplacePanel(lang);
  stack->addWidget(panels_[0]);
  stack->addWidget(panels_[1]);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(stack);
  layout->addWidget(BuildOptions(lang));
}

QWidget* FindWindow::BuildFindPanel(const LangTable& lang) {
  auto* panel = new QWidget(this);
  panel->setObjectName("Frame1");
  auto* form = new QFormLayout(panel);
  find_text_ = NamedEdit("Text1", panel);
  form->addRow(Caption(lang, kFindWhat), find_text_);
  auto* next = NamedButton("Command1", Caption(lang, kFindNext), panel);
  form->addRow(next);
  connect(next, &QPushButton::clicked, this,
          [this] { FindNext(FindPanel::kFind); });
  return panel;
}

QWidget* FindWindow::BuildReplacePanel(const LangTable& lang) {
  auto* panel = new QWidget(this);
  panel->setObjectName("Frame2");
  auto* form = new QFormLayout(panel);
  replace_find_ = NamedEdit("Text2", panel);
  replacement_ = NamedEdit("Text3", panel);
  form->addRow(Caption(lang, kFindWhat), replace_find_);
  form->addRow(Caption(lang, kReplaceWith), replacement_);
  auto* next = NamedButton("Command4", Caption(lang, kFindNext), panel);
  auto* replace = NamedButton("Command2", Caption(lang, kReplace), panel);
  auto* all = NamedButton("Command3", Caption(lang, kReplaceAll), panel);
  auto* buttons = new QHBoxLayout();
  for (QPushButton* button : {next, replace, all}) buttons->addWidget(button);
  form->addRow(buttons);
  connect(next, &QPushButton::clicked, this,
          [this] { FindNext(FindPanel::kReplace); });
  connect(replace, &QPushButton::clicked, this, &FindWindow::Replace);
  connect(all, &QPushButton::clicked, this, &FindWindow::ReplaceAll);
  return panel;
}

QWidget* FindWindow::BuildOptions(const LangTable& lang) {
  auto* group = new QGroupBox(Caption(lang, kSearch), this);
  auto* column = new QVBoxLayout(group);
  for (int i = 0; i < 3; ++i) {
    options_[i] = new QRadioButton(Caption(lang, kOptions[i]), group);
    options_[i]->setObjectName(QString("Option1_%1").arg(i));
    column->addWidget(options_[i]);
  }
  options_[0]->setChecked(true);
  return group;
}

void FindWindow::ShowPanel(FindPanel panel) {
  const int index = panel == FindPanel::kFind ? 0 : 1;
  static_cast<QStackedWidget*>(panels_[index]->parentWidget())
      ->setCurrentIndex(index);
  show();
  raise();
  activateWindow();
  (panel == FindPanel::kFind ? find_text_ : replace_find_)->setFocus();
}

SearchFrom FindWindow::From() const {
  if (options_[1]->isChecked()) return SearchFrom::kCaret;
  if (options_[2]->isChecked()) return SearchFrom::kBackwardsFromCaret;
  return SearchFrom::kTextStart;
}

// A text the document cannot hold is nowhere in it.
std::optional<std::string> FindWindow::FindBytes(const QLineEdit* edit) const {
  EncodedText encoded = EncodeForDocument(edit->text(), host_.rich->Encoding());
  if (encoded.unheld) return std::nullopt;
  return std::move(encoded.bytes);
}

// NOTE: the replacement may have the document converted to UTF-8, so it is
// taken before the find text is encoded.
std::optional<std::string> FindWindow::Replacement() const {
  return host_.rich->BytesToInsert(replacement_->text());
}

void FindWindow::FindNext(FindPanel panel) {
  EditorSearchTarget target(*host_.rich);
  const QLineEdit* edit =
      panel == FindPanel::kFind ? find_text_ : replace_find_;
  const std::optional<std::string> find = FindBytes(edit);
  Report(find && session_.FindNext(target, *find, From(), panel));
}

void FindWindow::Replace() {
  const std::optional<std::string> replacement = Replacement();
  if (!replacement) return;
  EditorSearchTarget target(*host_.rich);
  const std::optional<std::string> find = FindBytes(replace_find_);
  Report(find && session_.Replace(target, *find, *replacement, From()));
}

void FindWindow::ReplaceAll() {
  Editor& rich = *host_.rich;
  const std::optional<std::string> replacement = Replacement();
  if (!replacement) return;
  const std::optional<std::string> find = FindBytes(replace_find_);
  if (!find) return;
  const ReplaceAllResult result =
      quillory::ReplaceAll(rich.PeekRange(0, rich.Length()), *find,
                           *replacement, From(), rich.SelectionStart());
  ApplyReplaceAll(rich, host_.guards, result,
                  static_cast<int64_t>(find->size()), *replacement);
  host_.highlighter.SetForParsing(rich, 1, rich.Length());
}

// A found occurrence is shown selected in the editor, which takes the focus.
void FindWindow::Report(bool found) {
  if (!found) {
    host_.dialogs.ShowMessage(not_found_, MessageIcon::kInformation);
    return;
  }
  host_.main_window->activateWindow();
  host_.main_window->raise();
  host_.rich->setFocus();
}

}  // namespace quillory
