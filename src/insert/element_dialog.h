#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "insert/dialog_rows.h"
#include "insert/element_forms.h"
#include "insert/template_markers.h"

namespace quillory {

// The element dialog without its window: which element it asks for, its
// rows, and the markup "OK" makes of them. It never touches a document; the
// window inserts what Ok() returns.
class ElementDialog {
 public:
  // Builds the rows of one element of groups 0 to 2; numbers that name no
  // element build nothing and make Ok() give nothing.
  void StartForm(ElementGroup group, int num);

  // Builds one row per parameter marker of `text`. Returns the text to insert
  // at once, without showing the dialog, when the template has no marker or
  // its first one is unclosed; Hhm() is then true.
  std::optional<std::string> StartFromTree(std::string_view element,
                                           std::string_view text);

  // Whether a template has gone in (at once or through Ok()).
  bool Hhm() const { return done_; }

  // The markup for the rows as they are now; empty when there is none to
  // insert.
  std::optional<std::string> Ok();
  // Whether the last Ok() gave nothing because the table's counts are more
  // than a page needs; the window says so and stays open.
  bool Refused() const { return refused_; }

  // Empty: the window keeps its own title.
  const std::optional<std::string>& title() const { return title_; }
  DialogRows& rows() { return rows_; }
  const DialogRows& rows() const { return rows_; }

 private:
  std::string FillTemplate() const;

  ElementGroup group_ = ElementGroup::kForm;
  std::optional<ElementSpec> spec_;
  std::optional<std::string> title_;
  DialogRows rows_;
  NumberedTemplate template_;
  bool done_ = false;
  bool refused_ = false;
};

}  // namespace quillory
