#include "editor/ui/go_to_line.h"

#include <optional>
#include <string>

#include "base/named_captions.h"
#include "editor/line_number_input.h"
#include "editor/ui/editor.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

std::string WithCount(const std::string& text, int count) {
  std::string filled = text;
  const size_t at = filled.find("%1");
  if (at != std::string::npos) filled.replace(at, 2, std::to_string(count));
  return filled;
}

}  // namespace

void GoToLine(Editor& rich, Dialogs& dialogs, const NamedCaptions& captions) {
  const int count = rich.LineCount();
  const std::optional<std::string> typed = dialogs.AskText(
      captions.FindOr("GoToLine", "Go to line"),
      WithCount(captions.FindOr("GoToLine.Prompt", "Line number (1 to %1):"),
                count),
      "");
  if (!typed) return;
  const std::optional<int64_t> line = LineToGoTo(*typed, count);
  if (!line) {
    dialogs.ShowMessage(
        WithCount(captions.FindOr("GoToLine.Invalid",
                                  "Type a line number from 1 to %1."),
                  count),
        MessageIcon::kWarning);
    return;
  }
  const int start = rich.LineStart(static_cast<int>(*line) - 1);
  rich.Select(start, start);
  rich.setFocus();
}

}  // namespace quillory
