#include "app/ui/interface_captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTabBar>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/ui/menu_actions.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/ui/display_text.h"
#include "base/ui/named_caption_text.h"

namespace quillory {
namespace {

constexpr int kSourceViewText = 13;
constexpr int kPreviewViewText = 14;
constexpr int kCloseText = 71;
constexpr int kTagPanelText = 99;
constexpr std::string_view kDocumentsCaption = "Documents";

// The preview toolbar's buttons by object name, which is also their
// caption's name, with their English texts.
constexpr std::pair<const char*, std::string_view> kPreviewTools[] = {
    {"Image1_0", "Back"},
    {"Image1_1", "Forward"},
    {"Image1_2", "Refresh"},
    {"Image1_3", "Go"},
};
constexpr std::string_view kAddressCaption = "Address";

std::optional<QString> Caption(const LangTable& lang, int index) {
  const std::optional<std::string> entry = lang.Entry(index);
  if (!entry) return std::nullopt;
  return DecodeForDisplay(*entry);
}

template <typename Widget, typename Setter>
void Recaption(QMainWindow& window, const char* object_name,
               std::optional<QString> caption, Setter setter) {
  Widget* widget = window.findChild<Widget*>(object_name);
  if (widget && caption) (widget->*setter)(*caption);
}

// The check command names the checker after its entry.
std::optional<QString> ActionCaption(const LangTable& lang,
                                     const ActionSpec& row) {
  std::optional<QString> caption = Caption(lang, row.caption_index);
  if (caption && std::string_view(row.object_name) == "Chk") {
    *caption += " HTML-Tidy";
  }
  return caption;
}

void CaptionUnnumberedCommands(QMainWindow& window,
                               const NamedCaptions& captions) {
  for (const MenuSpec& row : MainMenus()) {
    if (row.caption_index >= 0) continue;
    Recaption<QMenu>(window, row.object_name,
                     NamedCaption(captions, row.object_name, row.caption),
                     &QMenu::setTitle);
  }
  for (const ActionSpec& row : MainActions()) {
    if (row.caption_index >= 0) continue;
    Recaption<QAction>(window, row.object_name,
                       NamedCaption(captions, row.object_name, row.caption),
                       &QAction::setText);
  }
}

}  // namespace

void ApplyInterfaceCaptions(QMainWindow& window, const LangTable& lang) {
  for (const MenuSpec& row : MainMenus()) {
    Recaption<QMenu>(window, row.object_name, Caption(lang, row.caption_index),
                     &QMenu::setTitle);
  }
  for (const ActionSpec& row : MainActions()) {
    Recaption<QAction>(window, row.object_name, ActionCaption(lang, row),
                       &QAction::setText);
  }
  Recaption<QAbstractButton>(window, "Option1_0",
                             Caption(lang, kSourceViewText),
                             &QAbstractButton::setText);
  Recaption<QAbstractButton>(window, "Option1_1",
                             Caption(lang, kPreviewViewText),
                             &QAbstractButton::setText);
  // The close button's face is a mark; its name says what it does.
  Recaption<QWidget>(window, "CLoseB", Caption(lang, kCloseText),
                     &QWidget::setAccessibleName);
  Recaption<QWidget>(window, "CLoseB", Caption(lang, kCloseText),
                     &QWidget::setToolTip);
  Recaption<QWidget>(window, "TTab", Caption(lang, kTagPanelText),
                     &QWidget::setAccessibleName);
}

void ApplyNamedCaptions(QMainWindow& window, const NamedCaptions& captions) {
  CaptionUnnumberedCommands(window, captions);
  Recaption<QTabBar>(window, "MTab",
                     NamedCaption(captions, "MTab", kDocumentsCaption),
                     &QWidget::setAccessibleName);
  for (const auto& [name, english] : kPreviewTools) {
    Recaption<QAbstractButton>(window, name,
                               NamedCaption(captions, name, english),
                               &QAbstractButton::setText);
  }
  Recaption<QWidget>(window, "Nav",
                     NamedCaption(captions, "Nav", kAddressCaption),
                     &QWidget::setAccessibleName);
}

}  // namespace quillory
