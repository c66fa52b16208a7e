#include "insert/ui/panel_pages.h"

#include <QHBoxLayout>
#include <QTabWidget>

#include <map>

#include "insert/panel_buttons.h"
#include "insert/ui/panel_tool_button.h"

namespace quillory {
namespace {

constexpr int kButtonGap = 1;
constexpr int kRowMargin = 3;

// A row of buttons packed to the left, as each page and the toolbar show.
QHBoxLayout* ButtonRow(QWidget& holder) {
  auto* row = new QHBoxLayout(&holder);
  row->setContentsMargins(kRowMargin, 1, kRowMargin, 1);
  row->setSpacing(kButtonGap);
  return row;
}

}  // namespace

std::vector<PanelToolButton*> BuildPanelPages(QTabWidget& ttab,
                                              QWidget& toolbar) {
  std::map<PanelPage, QWidget*> holders = {{PanelPage::kToolbar, &toolbar}};
  for (const PanelPageTitle& page : PanelPageTitles()) {
    const QString title =
        QString::fromLatin1(page.title.data(), page.title.size());
    auto* holder = new QWidget(&ttab);
    holder->setObjectName("Page_" + title);
    ttab.addTab(holder, title);
    holders[page.page] = holder;
  }
  std::map<PanelPage, QHBoxLayout*> rows;
  for (auto& [page, holder] : holders) rows[page] = ButtonRow(*holder);

  std::vector<PanelToolButton*> buttons;
  for (const PanelButton& entry : PanelButtons()) {
    auto* button = new PanelToolButton(entry, holders.at(entry.page));
    rows.at(entry.page)->addWidget(button);
    buttons.push_back(button);
  }
  for (auto& [page, row] : rows) row->addStretch();
  return buttons;
}

}  // namespace quillory
