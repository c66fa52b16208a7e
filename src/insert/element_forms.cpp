#include "insert/element_forms.h"

#include <array>
#include <string>
#include <vector>

namespace quillory {
namespace {

constexpr ValueCell kList = ValueCell::kList;
constexpr ValueCell kLocked = ValueCell::kLockedTextBox;
constexpr ValueCell kText = ValueCell::kTextBox;

constexpr std::array<std::string_view, 2> kMethods = {"GET", "POST"};
constexpr std::array<std::string_view, 3> kEnctypes = {
    "", "multipart/form-data", "application/x-www-form-urlencoded"};
constexpr std::array<std::string_view, 5> kFormTargets = {"", "_top", "_parent",
                                                          "_self", "_blank"};
constexpr std::array<std::string_view, 3> kButtonTypes = {"Submit", "Reset",
                                                          "Button"};
constexpr std::array<std::string_view, 2> kLineTypes = {"text", "password"};
constexpr std::array<std::string_view, 2> kSelected = {"", "selected"};
constexpr std::array<std::string_view, 2> kChecked = {"", "checked"};
constexpr std::array<std::string_view, 6> kImageAligns = {
    "", "left", "right", "top", "bottom", "middle"};
constexpr std::array<std::string_view, 4> kTableAligns = {"", "left", "center",
                                                          "right"};
constexpr std::array<std::string_view, 5> kLinkTargets = {"", "_blank", "_top",
                                                          "_self", "_parent"};

constexpr std::array<RowSpec, 5> kForm = {
    {{"Name"},
     {"Method", kList, "", kMethods},
     {"Action"},
     {"Enctype", kList, "", kEnctypes},
     {"Target", kList, "", kFormTargets}}};
constexpr std::array<RowSpec, 6> kPushButton = {
    {{"Name"},
     {"Type", kList, "Submit", kButtonTypes},
     {"Value"},
     {"Style"},
     {"Width"},
     {"Height"}}};
constexpr std::array<RowSpec, 5> kTextLine = {
    {{"Name"},
     {"Type", kList, "text", kLineTypes},
     {"Value"},
     {"Style"},
     {"Size"}}};
constexpr std::array<RowSpec, 3> kHidden = {
    {{"Name"}, {"Value"}, {"Type", kText, "hidden"}}};
constexpr std::array<RowSpec, 4> kTextarea = {
    {{"Name"}, {"Cols", kText, "10"}, {"Rows", kText, "10"}, {"Style"}}};
constexpr std::array<RowSpec, 4> kFile = {
    {{"Name"}, {"Type", kLocked, "file"}, {"Size", kText, "10"}, {"Style"}}};
constexpr std::array<RowSpec, 5> kRadio = {{{"Name"},
                                            {"Type", kLocked, "radio"},
                                            {"Value"},
                                            {"", kList, "", kSelected},
                                            {"Style"}}};
constexpr std::array<RowSpec, 5> kCheckBox = {{{"Name"},
                                               {"Type", kLocked, "checkbox"},
                                               {"Value"},
                                               {"", kList, "", kChecked},
                                               {"Style"}}};
constexpr std::array<RowSpec, 3> kSelect = {{{"Name"}, {"Size"}, {"Style"}}};
constexpr std::array<RowSpec, 9> kImage = {{{"Src"},
                                            {"Alt"},
                                            {"Width"},
                                            {"Height"},
                                            {"Align", kList, "", kImageAligns},
                                            {"Border"},
                                            {"HSpace"},
                                            {"VSpace"},
                                            {"Style"}}};
constexpr std::array<RowSpec, 7> kTable = {
    {{"Rows"},
     {"Columns"},
     {"Width"},
     {"Height"},
     {"Alignment", kList, "", kTableAligns},
     {"Border"},
     {"Style"}}};
constexpr std::array<RowSpec, 6> kLink = {{{"Link"},
                                           {"Text"},
                                           {"Name"},
                                           {"Title"},
                                           {"Target", kList, "", kLinkTargets},
                                           {"Style"}}};

constexpr ElementGroup kFormGroup = ElementGroup::kForm;
// Number 2 of the form group is missing on purpose: its button inserts a
// plain tag pair without the dialog.
constexpr std::array<ElementSpec, 12> kElements = {{
    {kFormGroup, 0, "Form", Container::kYes, kForm},
    {kFormGroup, 1, "Input", Container::kNo, kPushButton},
    {kFormGroup, 3, "Input", Container::kNo, kTextLine},
    {kFormGroup, 4, "Input", Container::kNo, kHidden},
    {kFormGroup, 5, "Textarea", Container::kYes, kTextarea},
    {kFormGroup, 6, "Input", Container::kNo, kFile},
    {kFormGroup, 7, "Input", Container::kNo, kRadio},
    {kFormGroup, 8, "Input", Container::kNo, kCheckBox},
    {kFormGroup, 9, "Select", Container::kNo, kSelect},
    {ElementGroup::kImage, 0, "Img", Container::kNo, kImage},
    {ElementGroup::kTableOrLink, 0, "Table", Container::kNo, kTable},
    {ElementGroup::kTableOrLink, 1, "Link", Container::kNo, kLink},
}};

std::vector<std::string> ToStrings(std::span<const std::string_view> views) {
  return std::vector<std::string>(views.begin(), views.end());
}

}  // namespace

std::optional<ElementSpec> FindElementSpec(ElementGroup group, int num) {
  for (const ElementSpec& form : kElements) {
    if (form.group == group && form.num == num) return form;
  }
  return std::nullopt;
}

void BuildElementRows(const ElementSpec& form, DialogRows& rows) {
  rows.AddPropertyRow("Element", form.element, 0, kText);
  size_t row = 1;
  for (const RowSpec& row_spec : form.rows) {
    if (row_spec.cell == kList) rows.SetChoices(ToStrings(row_spec.choices));
    rows.AddPropertyRow(row_spec.name, row_spec.value, row++, row_spec.cell);
  }
}

}  // namespace quillory
