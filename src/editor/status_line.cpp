#include "editor/status_line.h"

#include <algorithm>

#include "editor/count_substr.h"

namespace quillory {

namespace {

constexpr int kLineEntry = 62;
constexpr int kColumnEntry = 63;
constexpr int kSelectedEntry = 64;
constexpr int kCharactersEntry = 65;

}  // namespace

CaretPlace PlaceOfCaret(std::string_view text, int64_t caret) {
  const std::string_view before =
      text.substr(0, static_cast<size_t>(std::max<int64_t>(caret, 0)));
  CaretPlace place;
  place.line =
      CountSubstr(before, "\r\n", 1, kToTextEnd, CompareMode::kBinary) + 1;
  const size_t line_end = before.rfind("\r\n");
  place.column =
      static_cast<int64_t>(before.size()) -
      (line_end == std::string_view::npos ? 0
                                          : static_cast<int64_t>(line_end) + 2);
  return place;
}

std::string StatusCaption(const LangTable& texts, CaretPlace place,
                          int64_t selection_length) {
  std::string caption =
      texts.EntryOr(kLineEntry, "") + std::to_string(place.line) + "  " +
      texts.EntryOr(kColumnEntry, "") + std::to_string(place.column);
  if (selection_length > 0) {
    caption += "  " + texts.EntryOr(kSelectedEntry, "") +
               std::to_string(selection_length) +
               texts.EntryOr(kCharactersEntry, "");
  }
  return caption;
}

}  // namespace quillory
