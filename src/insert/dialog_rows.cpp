#include "insert/dialog_rows.h"

#include <algorithm>
#include <utility>

namespace quillory {

std::string_view RowValue(const DialogRow& row) {
  if (row.cell != ValueCell::kList) return row.text;
  if (row.selected < 0 ||
      static_cast<size_t>(row.selected) >= row.choices.size())
    return {};
  return row.choices[row.selected];
}

void DialogRows::SetChoices(std::vector<std::string> items) {
  choices_ = std::move(items);
}

void DialogRows::AddPropertyRow(std::string_view name, std::string_view value,
                                size_t row, ValueCell cell) {
  if (rows_.size() <= row) rows_.resize(row + 1);
  DialogRow& added = rows_[row];
  added = DialogRow();
  added.name = name;
  added.cell = cell;
  if (cell != ValueCell::kList) {
    added.text = value;
    return;
  }
  added.choices = choices_;
  const auto found =
      std::find(added.choices.begin(), added.choices.end(), value);
  if (found != added.choices.end())
    added.selected = static_cast<int>(found - added.choices.begin());
}

void DialogRows::SetText(size_t row, std::string_view text) {
  if (row >= rows_.size() || rows_[row].cell != ValueCell::kTextBox) return;
  rows_[row].text = text;
}

void DialogRows::Select(size_t row, int entry) {
  if (row >= rows_.size() || rows_[row].cell != ValueCell::kList) return;
  const int count = static_cast<int>(rows_[row].choices.size());
  rows_[row].selected = entry >= 0 && entry < count ? entry : -1;
}

std::string_view DialogRows::Value(size_t row) const {
  return row < rows_.size() ? RowValue(rows_[row]) : std::string_view{};
}

}  // namespace quillory
