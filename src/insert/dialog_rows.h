#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// What the value cell of a dialog row is.
enum class ValueCell {
  kTextBox,
  kLockedTextBox,  // shows its value; the user cannot change it
  kList,           // a drop-down of the choices in force when it was added
};

// One row of the element dialog: a name cell and a value cell.
struct DialogRow {
  std::string name;  // empty: only the value cell shows
  ValueCell cell = ValueCell::kTextBox;
  std::string text;                  // a text box's text
  std::vector<std::string> choices;  // a list's entries
  int selected = -1;                 // a list's selected entry; -1 for none
};

// The text a row contributes: its text box, or its list's selected entry
// (empty with no selection).
std::string_view RowValue(const DialogRow& row);

// The grid of the element dialog as a model the window renders. Row 0 is the
// first row; it knows nothing of what the rows mean.
class DialogRows {
 public:
  // The entries of the next list row.
  void SetChoices(std::vector<std::string> items);

  // Puts row `row` in place, replacing one already there. A list selects the
  // entry equal to `value`, or nothing when no entry is equal.
  void AddPropertyRow(std::string_view name, std::string_view value, size_t row,
                      ValueCell cell);

  // What the user does with a row's value cell; ignored for rows that do
  // not exist or cells that do not take it.
  void SetText(size_t row, std::string_view text);
  void Select(size_t row, int entry);

  const std::vector<DialogRow>& rows() const { return rows_; }
  // Empty when the row does not exist.
  std::string_view Value(size_t row) const;

 private:
  std::vector<std::string> choices_;
  std::vector<DialogRow> rows_;
};

}  // namespace quillory
