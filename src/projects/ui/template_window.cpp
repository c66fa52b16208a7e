#include "projects/ui/template_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <map>
#include <optional>

#include "base/document_kind.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/text_file.h"
#include "base/ui/kind_icons.h"
#include "base/ui/named_caption_text.h"
#include "platform/dialogs.h"
#include "projects/template_names.h"

namespace quillory {
namespace {

constexpr int kTitleText = 117;
constexpr int kPromptText = 61;
constexpr int kColumns = 4;
constexpr int kIconSize = 32;
constexpr int kCellHeight = 72;

// Four cells to a row whatever the window's width: the cell width follows
// the grid's.
class TemplateGrid : public QListWidget {
 public:
  explicit TemplateGrid(QWidget* parent) : QListWidget(parent) {
    setObjectName("Templates");
    setAccessibleName("Templates");
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setWordWrap(true);
    setIconSize(QSize(kIconSize, kIconSize));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    setGridSize(QSize(viewport()->width() / kColumns, kCellHeight));
    QListWidget::resizeEvent(event);
  }
};

// Icons by file type, so a thousand templates of a few types ask the
// desktop a few times.
class IconCache {
 public:
  QIcon For(const TemplateFile& file) {
    const std::string type(TemplateType(file.name));
    auto [it, added] = icons_.try_emplace(type);
    if (added) it->second = IconForFile(file.path);
    return it->second;
  }

 private:
  std::map<std::string, QIcon> icons_;
};

std::string NoTemplatesMessage(const TemplateFolders& folders) {
  return "No templates in " + folders.program + " or " + folders.user +
         ": start from a blank document type.";
}

std::string CannotReadMessage(const TemplateFile& file) {
  return "The template \"" + file.path +
         "\" could not be read; the new document is empty.";
}

}  // namespace

TemplateWindow::TemplateWindow(const TemplateWindowHost& host)
    : QDialog(host.main_window), host_(host) {
  setObjectName("Form1");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromStdString(host_.lang.EntryOr(kTitleText, "")));

  auto* prompt = new QLabel(
      QString::fromStdString(host_.lang.EntryOr(kPromptText, "")), this);
  prompt->setObjectName("Label1");
  types_ = new QComboBox(this);
  types_->setObjectName("TypeList");
  types_->setAccessibleName("Document type");
  for (const BlankType& type : kBlankTypes) {
    types_->addItem(
        IconForKind(KindOfCaption(type.extension)),
        QString::fromUtf8(type.caption.data(), type.caption.size()));
  }
  grid_ = new TemplateGrid(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(types_);
  layout->addWidget(grid_, 1);
  layout->addWidget(BuildButtons());
  resize(560, 420);

  connect(types_, &QComboBox::currentIndexChanged, this,
          &TemplateWindow::CancelSelection);
  connect(grid_, &QListWidget::itemActivated, this, &TemplateWindow::Create);
  FillGrid();
}

QWidget* TemplateWindow::BuildButtons() {
  auto* row = new QWidget(this);
  auto* cancel = new QPushButton(
      NamedCaption(host_.captions, "Form1.Cancel", "Cancel selection"), row);
  cancel->setObjectName("CancelSelection");
  auto* create = new QPushButton(
      NamedCaption(host_.captions, "Form1.Create", "Create"), row);
  create->setObjectName("Create");
  create->setDefault(true);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(cancel);
  layout->addStretch(1);
  layout->addWidget(create);
  connect(cancel, &QPushButton::clicked, this,
          &TemplateWindow::CancelSelection);
  connect(create, &QPushButton::clicked, this, &TemplateWindow::Create);
  return row;
}

void TemplateWindow::FillGrid() {
  templates_ = ListTemplates(host_.folders);
  IconCache icons;
  grid_->setUpdatesEnabled(false);
  for (const TemplateFile& file : templates_) {
    const std::string_view name = TemplateDisplayName(file.name);
    auto* item = new QListWidgetItem(
        icons.For(file), QString::fromUtf8(name.data(), name.size()));
    item->setToolTip(QString::fromStdString(file.path));
    grid_->addItem(item);
  }
  grid_->setUpdatesEnabled(true);
  if (templates_.empty()) {
    auto* none = new QLabel(
        QString::fromStdString(NoTemplatesMessage(host_.folders)), this);
    none->setObjectName("NoTemplates");
    none->setWordWrap(true);
    layout()->addWidget(none);
  }
}

int TemplateWindow::SelectedIndex() const {
  const QList<QListWidgetItem*> selected = grid_->selectedItems();
  return selected.isEmpty() ? -1 : grid_->row(selected.front());
}

void TemplateWindow::CancelSelection() { grid_->clearSelection(); }

// Closes even when no slot was free: the host has said why.
void TemplateWindow::Create() {
  const int index = SelectedIndex();
  if (index < 0) {
    const BlankType& type = kBlankTypes.at(types_->currentIndex());
    host_.create(UntitledCaption(type.extension), std::string(),
                 IconForKind(KindOfCaption(type.extension)));
  } else {
    const TemplateFile& file = templates_.at(index);
    std::optional<std::string> text = TryReadLinesJoined(file.path);
    if (!text) {
      host_.dialogs.ShowMessage(CannotReadMessage(file), MessageIcon::kWarning);
    }
    host_.create(UntitledCaption(TemplateType(file.name)),
                 std::move(text).value_or(std::string()),
                 grid_->item(index)->icon());
  }
  close();
}

}  // namespace quillory
