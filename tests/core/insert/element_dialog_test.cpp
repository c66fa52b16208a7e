#include "insert/element_dialog.h"

#include <gtest/gtest.h>

#include "insert/font_wrap.h"

namespace quillory {
namespace {

// The markup of element `num` of `group` with its rows changed as given:
// "row=text" types the text, "row#entry" picks a list entry.
std::optional<std::string> Markup(ElementGroup group, int num,
                                  const std::vector<std::string>& changes) {
  ElementDialog dialog;
  dialog.StartForm(group, num);
  for (const std::string& change : changes) {
    const size_t at = change.find_first_of("=#");
    const size_t row = std::stoul(change.substr(0, at));
    if (change[at] == '#') {
      dialog.rows().Select(row, std::stoi(change.substr(at + 1)));
    } else {
      dialog.rows().SetText(row, change.substr(at + 1));
    }
  }
  return dialog.Ok();
}

TEST(ElementDialogTest, EveryBuilderGivesExactlyThisMarkup) {
  using enum ElementGroup;
  EXPECT_EQ(Markup(kForm, 0, {}), "<Form >\r\n\r\n</Form>");
  // Values with quotes, and an edited element name, go in as typed.
  EXPECT_EQ(Markup(kForm, 4, {"2=a\"b"}),
            "<Input Value=\"a\"b\" Type=\"hidden\">");
  EXPECT_EQ(Markup(kForm, 5, {"0=TEXTAREA"}),
            "<TEXTAREA Cols=\"10\" Rows=\"10\">\r\n\r\n</TEXTAREA>");
  EXPECT_EQ(Markup(kForm, 7, {"4#1"}), "<Input Type=\"radio\" selected>");
  EXPECT_EQ(Markup(kForm, 8, {"1=c", "3=1", "4#1"}),
            "<Input Name=\"c\" Type=\"checkbox\" Value=\"1\" checked>");
  EXPECT_EQ(Markup(kForm, 10, {}), std::nullopt);
  EXPECT_EQ(Markup(kTableOrLink, 0, {"1=2", "2=1"}),
            "<table>\r\n<tr>\r\n\t<td></td>\r\n</tr>\r\n<tr>\r\n\t<td></td>\r\n"
            "</tr>\r\n</table>");
  // Table attributes are bare and lower case.
  EXPECT_EQ(Markup(kTableOrLink, 0,
                   {"1=1", "3=100%", "4=20", "5#2", "6=1", "7=color: red"}),
            "<table width=100% height=20 align=center border=1 "
            "style=\"color: red\">\r\n<tr>\r\n</tr>\r\n</table>");
  // Counts are leading numbers (number_parse's); others give no rows, and
  // too many rows no table.
  EXPECT_EQ(Markup(kTableOrLink, 0, {"1=many", "2=-2"}), "<table>\r\n</table>");
  EXPECT_EQ(Markup(kTableOrLink, 0, {"1=2000000000", "2=2000000000"}),
            std::nullopt);
  // Without rows the columns write nothing, and a count no page needs is
  // refused even then.
  EXPECT_EQ(Markup(kTableOrLink, 0, {"1=0", "2=1000000"}),
            "<table>\r\n</table>");
  EXPECT_EQ(Markup(kTableOrLink, 0, {"1=0", "2=10000000"}), std::nullopt);
  EXPECT_EQ(Markup(kTableOrLink, 1, {"2=Home"}), "<a>Home</a>");
  EXPECT_EQ(Markup(kTableOrLink, 1, {"6=s", "5#1", "4=t", "3=n", "1=/x"}),
            "<a href=\"/x\" name=\"n\" title=\"t\" target=\"_blank\" "
            "style=\"s\"></a>");
}

// A default fills its row; how answers fill the markers, and which
// templates go in at once, is the template marker table.
TEST(ElementDialogTest, TemplateRowsAndOutput) {
  ElementDialog dialog;
  EXPECT_EQ(dialog.StartFromTree("f", "f([[[E/x]]][[[EO,/y/|/2]]])"),
            std::nullopt);
  EXPECT_EQ(dialog.title(), "f");
  EXPECT_FALSE(dialog.Hhm());
  ASSERT_EQ(dialog.rows().rows().size(), 2u);
  EXPECT_EQ(dialog.rows().rows()[1].name, "y - Optional");
  EXPECT_EQ(dialog.rows().Value(1), "2");
  dialog.rows().SetText(0, "1");
  EXPECT_EQ(dialog.Ok(), "f(1,2)");
  EXPECT_TRUE(dialog.Hhm());
}

TEST(DialogRowsTest, ListSelectsTheEntryEqualToTheValueWithItsOwnChoices) {
  DialogRows rows;
  rows.SetChoices({"GET", "POST"});
  rows.AddPropertyRow("Method", "POST", 0, ValueCell::kList);
  rows.AddPropertyRow("Method", "", 1, ValueCell::kList);
  rows.SetChoices({"c"});
  rows.AddPropertyRow("", "c", 2, ValueCell::kList);
  EXPECT_EQ(rows.Value(0), "POST");
  EXPECT_EQ(rows.Value(1), "");
  EXPECT_EQ(rows.rows()[1].choices, (std::vector<std::string>{"GET", "POST"}));
  EXPECT_EQ(rows.Value(2), "c");
  rows.Select(0, 5);  // outside the entries
  EXPECT_EQ(rows.Value(0), "");
}

// A row added again replaces the old one, a locked text box ignores
// typing, and rows that are not there read empty and ignore changes.
TEST(DialogRowsTest, ReplacedLockedAndMissingRows) {
  DialogRows rows;
  rows.AddPropertyRow("Old", "1", 0, ValueCell::kTextBox);
  rows.AddPropertyRow("Type", "file", 0, ValueCell::kLockedTextBox);
  rows.SetText(0, "text");
  rows.SetText(3, "x");
  rows.Select(3, 0);
  ASSERT_EQ(rows.rows().size(), 1u);
  EXPECT_EQ(rows.rows()[0].name, "Type");
  EXPECT_EQ(rows.Value(0), "file");
  EXPECT_EQ(rows.Value(3), "");
}

// Styles open in this order and close in the reverse; the colour is
// written red first.
TEST(FontWrapTest, AllStyles) {
  FontChoice choice;
  choice.face = "Verdana";
  choice.size = 12;
  choice.bold = choice.italic = choice.underline = choice.strikethrough = true;
  choice.colour = 0xABCDEF;
  const FontWrap wrap = FontWrapFor(choice);
  EXPECT_EQ(
      wrap.opening,
      "<font name=\"Verdana\" size=\"12\" color=\"#EFCDAB\"><b><i><u><s>");
  EXPECT_EQ(wrap.closing, "</s></u></i></b></font>");
}

}  // namespace
}  // namespace quillory
