#include "insert/panel_snippets.h"

#include "editor/editing_text.h"

namespace quillory {

std::optional<std::string> SnippetFor(const PanelButton& button,
                                      std::string_view selected) {
  switch (button.action) {
    case PanelAction::kInsert:
      return std::string(button.text);
    case PanelAction::kWrap:
      return std::string(button.text).append(selected).append(button.closing);
    case PanelAction::kPair:
    case PanelAction::kBold:
      return TagPairText(button.text, selected);
    default:
      return std::nullopt;
  }
}

std::string FieldsetText(std::string_view label) {
  return std::string("<fieldset>\r\n\t<legend>")
      .append(label)
      .append("</legend>\r\n</fieldset>");
}

}  // namespace quillory
