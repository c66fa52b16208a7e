#include "insert/element_builders.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/number_parse.h"

namespace quillory {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Row numbers of the table dialog.
enum TableRow : size_t {
  kRows = 1,
  kColumns,
  kTableWidth,
  kTableHeight,
  kAlignment,
  kBorder,
  kTableStyle
};

// Row numbers of the link dialog.
enum LinkRow : size_t {
  kLink = 1,
  kText,
  kLinkName,
  kTitle,
  kTarget,
  kLinkStyle
};

struct AttributeRow {
  size_t row;
  std::string_view attribute;
};

int64_t Count(const DialogRows& rows, size_t row) {
  return std::max(0, ParseLeadingInteger(rows.Value(row)).value_or(0));
}

std::string TableHead(const DialogRows& rows) {
  constexpr std::array<AttributeRow, 4> kBare = {{{kTableWidth, "width"},
                                                  {kTableHeight, "height"},
                                                  {kAlignment, "align"},
                                                  {kBorder, "border"}}};
  std::string head = "<table";
  for (const AttributeRow& bare : kBare) {
    const std::string_view value = rows.Value(bare.row);
    if (!value.empty())
      head.append(" ").append(bare.attribute).append("=").append(value);
  }
  const std::string_view style = rows.Value(kTableStyle);
  if (!style.empty()) head.append(" style=\"").append(style).append("\"");
  return head + ">";
}

}  // namespace

std::string BuildGenericElement(const DialogRows& rows, Container container) {
  const std::string tag(rows.Value(0));
  std::string attributes;
  for (size_t row = 1; row < rows.rows().size(); ++row) {
    const DialogRow& cell = rows.rows()[row];
    const std::string_view value = RowValue(cell);
    if (value.empty()) continue;
    if (!attributes.empty()) attributes += ' ';
    if (cell.name.empty()) {
      attributes.append(value);
    } else {
      attributes.append(cell.name).append("=\"").append(value).append("\"");
    }
  }
  std::string output = "<" + tag + " " + attributes + ">";
  if (container == Container::kYes)
    output.append(kCrLf).append(kCrLf).append("</").append(tag).append(">");
  return output;
}

std::optional<std::string> BuildTable(const DialogRows& rows) {
  const int64_t row_count = Count(rows, kRows);
  const int64_t column_count = Count(rows, kColumns);
  // NOTE: a row costs a line even without columns.
  if (column_count > kMaxTableCells ||
      row_count * (column_count + 1) > kMaxTableCells)
    return std::nullopt;
  std::string output = TableHead(rows);
  // Columns cost nothing until a row writes them.
  if (row_count > 0) {
    std::string row_text = "\r\n<tr>";
    for (int64_t column = 0; column < column_count; ++column)
      row_text += "\r\n\t<td></td>";
    row_text += "\r\n</tr>";
    for (int64_t row = 0; row < row_count; ++row) output += row_text;
  }
  return output + "\r\n</table>";
}

std::string BuildLink(const DialogRows& rows) {
  constexpr std::array<AttributeRow, 5> kQuoted = {{{kLink, "href"},
                                                    {kLinkName, "name"},
                                                    {kTitle, "title"},
                                                    {kTarget, "target"},
                                                    {kLinkStyle, "style"}}};
  std::string output = "<a";
  for (const AttributeRow& quoted : kQuoted) {
    const std::string_view value = rows.Value(quoted.row);
    if (value.empty()) continue;
    output.append(" ")
        .append(quoted.attribute)
        .append("=\"")
        .append(value)
        .append("\"");
  }
  return output.append(">").append(rows.Value(kText)).append("</a>");
}

}  // namespace quillory
