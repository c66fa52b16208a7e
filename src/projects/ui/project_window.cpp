#include "projects/ui/project_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>

#include "base/atomic_write.h"
#include "base/lang_table.h"
#include "base/ui/named_caption_text.h"
#include "platform/dialogs.h"
#include "platform/file_filters.h"
#include "projects/project_file.h"

namespace quillory {
namespace {

constexpr char kProjectPatterns[] = "*.qlp";

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// Moves the selected item of `from` to the end of `to`.
void MoveSelected(QListWidget* from, QListWidget* to) {
  QListWidgetItem* item = from->currentItem();
  if (item == nullptr || !item->isSelected()) return;
  to->addItem(from->takeItem(from->row(item)));
}

}  // namespace

ProjectWindow::ProjectWindow(const ProjectWindowHost& host)
    : QDialog(host.main_window), host_(host) {
  setObjectName("Projects");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(ToQt(host_.lang.EntryOr(119, "")));
  path_ = new QLabel(this);
  path_->setObjectName("PathLabel");
  path_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildLists(), 1);
  layout->addWidget(path_);
  layout->addWidget(BuildFileRow());
  resize(620, 380);

  for (const ProjectDocument& document : host_.documents) {
    lists_[0]->addItem(ToQt(ProjectItem(document.caption, document.slot)));
  }
}

// Two lists side by side with the arrow buttons between them.
QWidget* ProjectWindow::BuildLists() {
  auto* area = new QWidget(this);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* arrows = new QVBoxLayout();
  const char* const arrow_texts[2] = {"→", "←"};
  const char* const arrow_names[2] = {"Add to project", "Remove from project"};
  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(ToQt(Entry(kProjectLabelTexts[i])), area);
    label->setObjectName(QString("Label%1").arg(i + 1));
    lists_[i] = new QListWidget(area);
    lists_[i]->setObjectName(QString("List%1").arg(i + 1));
    lists_[i]->setAccessibleName(label->text());
    // The slot number after the TABs is for the window, not the user.
    lists_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lists_[i]->setTextElideMode(Qt::ElideNone);
    label->setBuddy(lists_[i]);
    grid->addWidget(label, 0, i * 2);
    grid->addWidget(lists_[i], 1, i * 2);
    connect(lists_[i], &QListWidget::currentItemChanged, this,
            [this, list = lists_[i]] { ShowPath(list); });
    auto* button = new QPushButton(QString::fromUtf8(arrow_texts[i]), area);
    button->setObjectName(QString("Command1_%1").arg(i));
    button->setAccessibleName(arrow_names[i]);
    button->setToolTip(arrow_names[i]);
    arrows->addWidget(button);
  }
  arrows->addStretch(1);
  grid->addLayout(arrows, 1, 1);
  connect(findChild<QPushButton*>("Command1_0"), &QPushButton::clicked, this,
          &ProjectWindow::AddToProject);
  connect(findChild<QPushButton*>("Command1_1"), &QPushButton::clicked, this,
          &ProjectWindow::RemoveFromProject);
  return area;
}

// The project file's name with its browse button, and the save button.
QWidget* ProjectWindow::BuildFileRow() {
  auto* row = new QWidget(this);
  auto* label = new QLabel(ToQt(Entry(kProjectLabelTexts[2])), row);
  label->setObjectName("Label3");
  file_name_ = new QLineEdit(row);
  file_name_->setObjectName("Text1");
  file_name_->setAccessibleName(label->text());
  label->setBuddy(file_name_);
  auto* browse = new QPushButton("...", row);
  browse->setObjectName("Command1_2");
  browse->setAccessibleName("Choose the project file");
  auto* save = new QPushButton(ToQt(Entry(kSaveProjectText)), row);
  save->setObjectName("Command1_3");
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(file_name_, 1);
  layout->addWidget(browse);
  layout->addWidget(save);
  connect(browse, &QPushButton::clicked, this, &ProjectWindow::ChooseFile);
  connect(save, &QPushButton::clicked, this, &ProjectWindow::SaveProject);
  return row;
}

std::string ProjectWindow::Entry(int index) const {
  return host_.lang.EntryOr(index, "");
}

const ProjectDocument* ProjectWindow::DocumentOf(
    const QListWidgetItem* item) const {
  if (item == nullptr) return nullptr;
  const std::optional<int> slot = SlotOfProjectItem(item->text().toStdString());
  for (const ProjectDocument& document : host_.documents) {
    if (slot && document.slot == *slot) return &document;
  }
  return nullptr;
}

void ProjectWindow::ShowPath(const QListWidget* list) {
  const ProjectDocument* document = DocumentOf(list->currentItem());
  path_->setText(document ? ToQt(document->file_path) : QString());
}

void ProjectWindow::AddToProject() {
  QListWidgetItem* item = lists_[0]->currentItem();
  const ProjectDocument* document = DocumentOf(item);
  if (document == nullptr || !item->isSelected()) return;
  if (!document->saved) {
    host_.dialogs.ShowMessage(WithLineBreaks(Entry(kUnsavedDocumentText)),
                              MessageIcon::kNone);
    return;
  }
  MoveSelected(lists_[0], lists_[1]);
}

void ProjectWindow::RemoveFromProject() { MoveSelected(lists_[1], lists_[0]); }

void ProjectWindow::ChooseFile() {
  const std::optional<std::string> chosen = host_.dialogs.ChooseFileToSave(
      {FileFilter{Entry(kProjectFilterText), kProjectPatterns}},
      std::string(kListExtension));
  if (!chosen) return;
  chosen_name_ = *chosen;
  file_name_->setText(ToQt(*chosen));
}

// A failed write keeps the window open with the old file as it was, so the
// user can choose another name.
void ProjectWindow::SaveProject() {
  if (lists_[1]->count() == 0) {
    host_.dialogs.ShowMessage(Entry(kEmptyProjectText), MessageIcon::kNone);
    return;
  }
  const std::string typed = file_name_->text().toStdString();
  if (typed.empty()) {
    host_.dialogs.ShowMessage(Entry(kNoProjectNameText), MessageIcon::kNone);
    return;
  }
  const std::string file_name = WithListExtension(typed);
  if (!MayWrite(file_name)) return;
  std::vector<std::string> paths;
  for (int row = 0; row < lists_[1]->count(); ++row) {
    if (const ProjectDocument* document = DocumentOf(lists_[1]->item(row))) {
      paths.push_back(document->file_path);
    }
  }
  const WriteResult result =
      WriteTextFile(file_name, ProjectText(paths), WriteMode::kReplace);
  if (!result.Succeeded()) {
    host_.dialogs.ShowMessage(result.error, MessageIcon::kError);
    return;
  }
  host_.saved(file_name);
  close();
}

// A typed name may be any file of the user's; only the chooser has asked
// about replacing it already. A link counts as there, dangling or not.
bool ProjectWindow::MayWrite(const std::string& file_name) {
  std::error_code error;
  if (file_name == chosen_name_ ||
      !std::filesystem::exists(
          std::filesystem::symlink_status(file_name, error))) {
    return true;
  }
  const QString question = NamedCaption(host_.captions, "Projects.Replace",
                                        "%1 already exists. Replace it?")
                               .arg(ToQt(file_name));
  return host_.dialogs.AskYesNo(question.toStdString(),
                                MessageIcon::kWarning) == Answer::kYes;
}

}  // namespace quillory
