#include "insert/element_dialog.h"

#include "insert/element_builders.h"

namespace quillory {

void ElementDialog::StartForm(ElementGroup group, int num) {
  group_ = group;
  spec_ = FindElementSpec(group, num);
  if (group == ElementGroup::kForm) title_ = "Insert form element";
  if (spec_) BuildElementRows(*spec_, rows_);
}

std::optional<std::string> ElementDialog::StartFromTree(
    std::string_view element, std::string_view text) {
  group_ = ElementGroup::kTemplate;
  title_ = std::string(element);
  std::optional<NumberedTemplate> numbered = NumberMarkers(text);
  if (!numbered) {
    done_ = true;
    return std::string(text);
  }
  template_ = std::move(*numbered);
  for (size_t n = 0; n < template_.parameters.size(); ++n) {
    const TemplateParameter& parameter = template_.parameters[n];
    rows_.AddPropertyRow(ParameterRowName(parameter), parameter.default_value,
                         n, ValueCell::kTextBox);
  }
  return std::nullopt;
}

std::optional<std::string> ElementDialog::Ok() {
  refused_ = false;
  if (group_ == ElementGroup::kTemplate) {
    done_ = true;
    return FillTemplate();
  }
  if (!spec_) return std::nullopt;
  if (group_ != ElementGroup::kTableOrLink)
    return BuildGenericElement(rows_, spec_->container);
  if (spec_->num != 0) return BuildLink(rows_);
  std::optional<std::string> table = BuildTable(rows_);
  refused_ = !table;
  return table;
}

std::string ElementDialog::FillTemplate() const {
  std::vector<ParameterAnswer> answers;
  for (const DialogRow& row : rows_.rows())
    answers.push_back({row.name, RowValue(row)});
  return FillMarkers(template_.text, template_.parameters, answers);
}

}  // namespace quillory
