#include "insert/ui/tree_viewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

#include "base/named_captions.h"
#include "base/ui/display_text.h"
#include "base/ui/named_caption_text.h"

namespace quillory {
namespace {

constexpr int kGroupRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;
// Of the main window's size; the descriptions need the room.
constexpr double kShareOfParent = 0.8;
constexpr QSize kSizeWithoutParent(900, 560);

// Caption names in captions.lng and their English texts.
struct NamedText {
  std::string_view name;
  std::string_view english;
};
constexpr NamedText kTitle{"TreeViewer", "Reference"};
constexpr NamedText kNameColumn{"Elements.Name", "Name"};
constexpr NamedText kDescriptionColumn{"Elements.Description", "Description"};

}  // namespace

TreeViewer::TreeViewer(ElementDialogHost host, QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName("TreeViewer");
  setAttribute(Qt::WA_DeleteOnClose);
  resize(parent ? parent->window()->size() * kShareOfParent
                : kSizeWithoutParent);
  folders_ = new QTreeWidget(this);
  folders_->setObjectName("Folders");
  folders_->setHeaderHidden(true);
  folders_->setAccessibleName(
      NamedCaption(host_.captions, kTitle.name, kTitle.english));
  elements_ = new QTreeWidget(this);
  elements_->setObjectName("Elements");
  elements_->setRootIsDecorated(false);
  elements_->setHeaderLabels(
      {NamedCaption(host_.captions, kNameColumn.name, kNameColumn.english),
       NamedCaption(host_.captions, kDescriptionColumn.name,
                    kDescriptionColumn.english)});
  elements_->setAccessibleName(elements_->headerItem()->text(0) + ", " +
                               elements_->headerItem()->text(1));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(folders_, 1);
  layout->addWidget(elements_, 3);
  folders_->setFocus();

  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  connect(folders_, &QTreeWidget::itemExpanded, this,
          [open](QTreeWidgetItem* node) { node->setIcon(0, open); });
  connect(folders_, &QTreeWidget::itemCollapsed, this,
          [closed](QTreeWidgetItem* node) { node->setIcon(0, closed); });
  connect(folders_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* node) { ShowGroup(node); });
  connect(elements_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* row) { InsertEntry(row); });
}

void TreeViewer::Load(const std::string& path) {
  file_ = LoadReferenceFile(path);
  QString title = NamedCaption(host_.captions, kTitle.name, kTitle.english);
  if (!file_.title.empty()) title += " - " + DecodeForDisplay(file_.title);
  setWindowTitle(title);
  folders_->clear();
  elements_->clear();
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  auto* root = new QTreeWidgetItem(folders_, {DecodeForDisplay(file_.title)});
  root->setIcon(0, closed);
  root->setData(0, kGroupRole, -1);
  for (size_t g = 0; g < file_.groups.size(); ++g) {
    auto* node =
        new QTreeWidgetItem(root, {DecodeForDisplay(file_.groups[g].name)});
    node->setIcon(0, closed);
    node->setData(0, kGroupRole, static_cast<int>(g));
  }
  root->setExpanded(true);
}

// The root stands for no group, so clicking it empties the list.
void TreeViewer::ShowGroup(QTreeWidgetItem* node) {
  elements_->clear();
  const int g = node->data(0, kGroupRole).toInt();
  if (g < 0 || static_cast<size_t>(g) >= file_.groups.size()) return;
  const std::vector<ReferenceEntry>& entries = file_.groups[g].entries;
  for (size_t e = 0; e < entries.size(); ++e) {
    auto* row = new QTreeWidgetItem(elements_,
                                    {DecodeForDisplay(entries[e].name),
                                     DecodeForDisplay(entries[e].description)});
    row->setData(0, kGroupRole, g);
    row->setData(0, kEntryRole, static_cast<int>(e));
    row->setToolTip(1, row->text(1));
  }
  elements_->resizeColumnToContents(0);
}

void TreeViewer::InsertEntry(QTreeWidgetItem* row) {
  const ReferenceEntry& entry = file_.groups[row->data(0, kGroupRole).toInt()]
                                    .entries[row->data(0, kEntryRole).toInt()];
  NewTag dialog(host_, this);
  dialog.StartFromTree(entry.name, entry.template_text);
  if (!dialog.Hhm()) dialog.exec();
  if (dialog.Hhm()) close();
}

}  // namespace quillory
