#include "editor/ui/find_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <utility>

#include "base/lang_table.h"
#include "base/ui/display_text.h"
#include "base/ui/named_caption_text.h"
#include "editor/ui/editor.h"
#include "editor/ui/editor_replace_all.h"
#include "editor/ui/editor_search_target.h"
#include "editor/ui/highlighter.h"

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
      not_found_(Caption(lang, {kNotFoundEntry, "The text was not found."})) {
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
  result_ = new QLabel(this);
  result_->setObjectName("NotFound");
  layout->addWidget(result_);
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
          [this] { FindNext(FindPanel::kFind, FocusAfter::kEditor); });
  connect(find_text_, &QLineEdit::returnPressed, this,
          [this] { FindNext(FindPanel::kFind, FocusAfter::kFindWindow); });
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
          [this] { FindNext(FindPanel::kReplace, FocusAfter::kEditor); });
  connect(replace_find_, &QLineEdit::returnPressed, this,
          [this] { FindNext(FindPanel::kReplace, FocusAfter::kFindWindow); });
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
  match_case_ = new QCheckBox(
      NamedCaption(host_.captions, "FindF.MatchCase", "Match case"), group);
  match_case_->setObjectName("MatchCase");
  whole_word_ = new QCheckBox(
      NamedCaption(host_.captions, "FindF.WholeWord", "Whole word"), group);
  whole_word_->setObjectName("WholeWord");
  column->addWidget(match_case_);
  column->addWidget(whole_word_);
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

MatchRule FindWindow::Rule() const {
  return {
      match_case_->isChecked() ? LetterCase::kMatched : LetterCase::kIgnored,
      whole_word_->isChecked() ? WordBounds::kWholeWord
                               : WordBounds::kAnywhere};
}

void FindWindow::Remember(const QLineEdit* edit) {
  host_.last_search = {edit->text(), Rule()};
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

void FindWindow::FindNext(FindPanel panel, FocusAfter focus) {
  EditorSearchTarget target(*host_.rich);
  const QLineEdit* edit =
      panel == FindPanel::kFind ? find_text_ : replace_find_;
  Remember(edit);
  const std::optional<std::string> find = FindBytes(edit);
  Report(find && session_.FindNext(target, *find, From(), panel, Rule()),
         focus);
}

void FindWindow::Replace() {
  const std::optional<std::string> replacement = Replacement();
  if (!replacement) return;
  EditorSearchTarget target(*host_.rich);
  Remember(replace_find_);
  const std::optional<std::string> find = FindBytes(replace_find_);
  Report(find && session_.Replace(target, *find, *replacement, From(), Rule()));
}

// One change: a snapshot before it and one after, so one Undo takes it back.
void FindWindow::ReplaceAll() {
  Editor& rich = *host_.rich;
  const std::optional<std::string> replacement = Replacement();
  if (!replacement) return;
  Remember(replace_find_);
  const std::optional<std::string> find = FindBytes(replace_find_);
  const ReplaceAllResult result =
      find ? quillory::ReplaceAll(rich.PeekRange(0, rich.Length()), *find,
                                  *replacement, From(), rich.SelectionStart(),
                                  Rule())
           : ReplaceAllResult{};
  if (result.starts.empty()) {
    Report(false);
    return;
  }
  result_->clear();
  host_.record_snapshot();
  ApplyReplaceAll(rich, host_.guards, result,
                  static_cast<int64_t>(find->size()), *replacement);
  host_.highlighter.SetForParsing(rich, 1, rich.Length());
  host_.call_rich_change();
}

// Not found is said in the window, which keeps the focus. A found
// occurrence is shown selected in the editor, which takes the focus unless
// the search came from the keyboard in the window.
void FindWindow::Report(bool found, FocusAfter focus) {
  result_->setText(found ? QString() : not_found_);
  if (!found || focus == FocusAfter::kFindWindow) return;
  host_.main_window->activateWindow();
  host_.main_window->raise();
  host_.rich->setFocus();
}

}  // namespace quillory
