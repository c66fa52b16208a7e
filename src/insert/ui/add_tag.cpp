#include "insert/ui/add_tag.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/ui/display_text.h"
#include "editor/ui/editor.h"
#include "insert/ui/coloured_insert.h"

#include "base/ui/named_caption_text.h"

namespace quillory {
namespace {

constexpr std::array kCategories = {TagCategory::kHtml,
                                    TagCategory::kJavaScript, TagCategory::kCss,
                                    TagCategory::kPhp};
constexpr std::array<const char*, 4> kCategoryEnglish = {"HTML", "JavaScript",
                                                         "CSS", "PHP"};
constexpr int kFirstCategoryText = 66;
// The entry list takes three quarters of the height.
constexpr int kCategoryStretch = 1;
constexpr int kEntryStretch = 3;
constexpr QSize kStartSize(260, 420);

QListWidget* NamedList(const char* name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  return list;
}

}  // namespace

AddTag::AddTag(TagListsHost host, TagListsUse use, QWidget* parent)
    : QDialog(parent), host_(std::move(host)), use_(use) {
  setObjectName("AddTag");
  setAttribute(Qt::WA_DeleteOnClose);
  if (use_ == TagListsUse::kPanel) setWindowFlag(Qt::Tool);
  setWindowTitle(NamedCaption(host_.captions, "AddTag", "Add Tag"));
  resize(kStartSize);
  categories_ = NamedList("List1", this);
  captions_ = NamedList("List2", this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(categories_, kCategoryStretch);
  layout->addWidget(captions_, kEntryStretch);
  for (size_t at = 0; at < kCategories.size(); ++at) {
    categories_->addItem(DecodeForDisplay(host_.lang.EntryOr(
        kFirstCategoryText + static_cast<int>(at), kCategoryEnglish[at])));
    const std::string_view file = TagFileName(kCategories[at]);
    if (!file.empty())
      entries_[at] = LoadTagFile(host_.language_folder + std::string(file));
  }
  categories_->setAccessibleName(windowTitle());
  captions_->setAccessibleName(windowTitle());
  // NOTE: the list makes its first row current when it takes the focus,
  // which chooses nothing; only a selection is the user's choice.
  connect(categories_, &QListWidget::itemSelectionChanged, this,
          [this] { List1_Click(ChosenCategory()); });
  connect(
      captions_, &QListWidget::itemDoubleClicked, this,
      [this](QListWidgetItem* item) { List2_DblClick(captions_->row(item)); });
}

void AddTag::List1_Click(int row) {
  captions_->clear();
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  for (const TagEntry& entry : entries_[row])
    captions_->addItem(DecodeForDisplay(entry.caption));
}

int AddTag::ChosenCategory() const {
  const QList<QListWidgetItem*> chosen = categories_->selectedItems();
  return chosen.isEmpty() ? -1 : categories_->row(chosen.front());
}

void AddTag::List2_DblClick(int row) {
  const int category = ChosenCategory();
  if (category < 0 || row < 0 ||
      row >= static_cast<int>(entries_[category].size()))
    return;
  Editor& rich = host_.rich;
  InsertColoured(rich, host_.highlighter,
                 TagEntryText(kCategories[category], entries_[category][row],
                              rich.SelectedBytes()));
  if (use_ == TagListsUse::kChooser) close();
}

}  // namespace quillory
