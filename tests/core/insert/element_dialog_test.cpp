#include "insert/element_dialog.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

ElementDialog Started(ElementGroup group, int num) {
  ElementDialog dialog;
  dialog.StartForm(group, num);
  return dialog;
}

TEST(ElementDialogTest, TextLineWithDefaultType) {
  ElementDialog dialog = Started(ElementGroup::kForm, 3);
  dialog.rows().SetText(1, "q");
  EXPECT_EQ(dialog.Ok(), "<Input Name=\"q\" Type=\"text\">");
}

TEST(ElementDialogTest, EmptyFormIsAContainer) {
  ElementDialog dialog = Started(ElementGroup::kForm, 0);
  EXPECT_EQ(dialog.Ok(), "<Form >\r\n\r\n</Form>");
}

TEST(ElementDialogTest, FormTitleOnlyForFormElements) {
  EXPECT_EQ(Started(ElementGroup::kForm, 0).title(), "Insert form element");
  EXPECT_FALSE(Started(ElementGroup::kImage, 0).title());
  EXPECT_FALSE(Started(ElementGroup::kTableOrLink, 0).title());
}

TEST(ElementDialogTest, CheckBoxWithBareChecked) {
  ElementDialog dialog = Started(ElementGroup::kForm, 8);
  dialog.rows().SetText(1, "c");
  dialog.rows().SetText(3, "1");
  dialog.rows().Select(4, 1);
  EXPECT_EQ(dialog.Ok(),
            "<Input Name=\"c\" Type=\"checkbox\" Value=\"1\" checked>");
}

TEST(ElementDialogTest, RadioWithBareSelected) {
  ElementDialog dialog = Started(ElementGroup::kForm, 7);
  dialog.rows().Select(4, 1);
  EXPECT_EQ(dialog.Ok(), "<Input Type=\"radio\" selected>");
}

TEST(ElementDialogTest, EditedElementNameIsUsedAsTyped) {
  ElementDialog dialog = Started(ElementGroup::kForm, 5);
  dialog.rows().SetText(0, "TEXTAREA");
  EXPECT_EQ(dialog.Ok(),
            "<TEXTAREA Cols=\"10\" Rows=\"10\">\r\n\r\n</TEXTAREA>");
}

TEST(ElementDialogTest, ImageHasNoClosingTag) {
  ElementDialog dialog = Started(ElementGroup::kImage, 0);
  dialog.rows().SetText(1, "a.png");
  dialog.rows().Select(5, 2);
  dialog.rows().SetText(9, "x:1");
  EXPECT_EQ(dialog.Ok(), "<Img Src=\"a.png\" Align=\"right\" Style=\"x:1\">");
}

TEST(ElementDialogTest, ValuesWithQuotesGoInAsTyped) {
  ElementDialog dialog = Started(ElementGroup::kForm, 4);
  dialog.rows().SetText(2, "a\"b");
  EXPECT_EQ(dialog.Ok(), "<Input Value=\"a\"b\" Type=\"hidden\">");
}

TEST(ElementDialogTest, TwoByOneTable) {
  ElementDialog dialog = Started(ElementGroup::kTableOrLink, 0);
  dialog.rows().SetText(1, "2");
  dialog.rows().SetText(2, "1");
  EXPECT_EQ(dialog.Ok(),
            "<table>\r\n<tr>\r\n\t<td></td>\r\n</tr>\r\n<tr>\r\n\t<td></td>"
            "\r\n</tr>\r\n</table>");
}

TEST(ElementDialogTest, TableAttributesAreBareAndLowerCase) {
  ElementDialog dialog = Started(ElementGroup::kTableOrLink, 0);
  dialog.rows().SetText(1, "1");
  dialog.rows().SetText(3, "100%");
  dialog.rows().SetText(4, "20");
  dialog.rows().Select(5, 2);
  dialog.rows().SetText(6, "1");
  dialog.rows().SetText(7, "color: red");
  EXPECT_EQ(dialog.Ok(),
            "<table width=100% height=20 align=center border=1 "
            "style=\"color: red\">\r\n<tr>\r\n</tr>\r\n</table>");
}

TEST(ElementDialogTest, TableCountsAreRoundedLeadingNumbers) {
  ElementDialog dialog = Started(ElementGroup::kTableOrLink, 0);
  dialog.rows().SetText(1, " 1.5 rows");
  dialog.rows().SetText(2, "0.5");
  EXPECT_EQ(dialog.Ok(),
            "<table>\r\n<tr>\r\n</tr>\r\n<tr>\r\n</tr>\r\n</table>");
}

TEST(ElementDialogTest, NonNumericOrNegativeCountsGiveNoRows) {
  ElementDialog dialog = Started(ElementGroup::kTableOrLink, 0);
  dialog.rows().SetText(1, "many");
  dialog.rows().SetText(2, "3");
  EXPECT_EQ(dialog.Ok(), "<table>\r\n</table>");
  dialog.rows().SetText(1, "-2");
  EXPECT_EQ(dialog.Ok(), "<table>\r\n</table>");
}

TEST(ElementDialogTest, HugeTableGivesNothing) {
  ElementDialog dialog = Started(ElementGroup::kTableOrLink, 0);
  dialog.rows().SetText(1, "2000000000");
  EXPECT_EQ(dialog.Ok(), std::nullopt);
  dialog.rows().SetText(2, "2000000000");
  EXPECT_EQ(dialog.Ok(), std::nullopt);
}

TEST(ElementDialogTest, LinkWithOnlyText) {
  ElementDialog dialog = Started(ElementGroup::kTableOrLink, 1);
  dialog.rows().SetText(2, "Home");
  EXPECT_EQ(dialog.Ok(), "<a>Home</a>");
}

TEST(ElementDialogTest, LinkAttributesInTheirOrder) {
  ElementDialog dialog = Started(ElementGroup::kTableOrLink, 1);
  dialog.rows().SetText(6, "s");
  dialog.rows().Select(5, 1);
  dialog.rows().SetText(4, "t");
  dialog.rows().SetText(3, "n");
  dialog.rows().SetText(1, "/x");
  EXPECT_EQ(dialog.Ok(),
            "<a href=\"/x\" name=\"n\" title=\"t\" target=\"_blank\" "
            "style=\"s\"></a>");
}

TEST(ElementDialogTest, UnknownNumbersBuildNothing) {
  ElementDialog dialog = Started(ElementGroup::kForm, 10);
  EXPECT_TRUE(dialog.rows().rows().empty());
  EXPECT_EQ(dialog.Ok(), std::nullopt);
}

TEST(ElementDialogTest, TemplateRowsAndOutput) {
  ElementDialog dialog;
  EXPECT_EQ(dialog.StartFromTree("f", "f([[[E/x]]][[[EO,/y]]])"), std::nullopt);
  EXPECT_EQ(dialog.title(), "f");
  EXPECT_FALSE(dialog.Hhm());
  ASSERT_EQ(dialog.rows().rows().size(), 2u);
  EXPECT_EQ(dialog.rows().rows()[1].name, "y - Optional");
  dialog.rows().SetText(0, "1");
  EXPECT_EQ(dialog.Ok(), "f(1)");
  EXPECT_TRUE(dialog.Hhm());
  dialog.rows().SetText(1, "2");
  EXPECT_EQ(dialog.Ok(), "f(1,2)");
}

TEST(ElementDialogTest, TemplateDefaultFillsItsRow) {
  ElementDialog dialog;
  dialog.StartFromTree("g", "g([[[E/n/|/10]]])");
  EXPECT_EQ(dialog.rows().Value(0), "10");
  EXPECT_EQ(dialog.Ok(), "g(10)");
}

TEST(ElementDialogTest, TemplateWithoutMarkersGoesInAtOnce) {
  ElementDialog dialog;
  EXPECT_EQ(dialog.StartFromTree("time", "time()"), "time()");
  EXPECT_TRUE(dialog.Hhm());
  EXPECT_TRUE(dialog.rows().rows().empty());
}

TEST(ElementDialogTest, EmptyTemplateGoesInAtOnceAsNothing) {
  ElementDialog dialog;
  EXPECT_EQ(dialog.StartFromTree("x", ""), "");
  EXPECT_TRUE(dialog.Hhm());
}

TEST(ElementDialogTest, UnclosedFirstMarkerGoesInUnchanged) {
  ElementDialog dialog;
  EXPECT_EQ(dialog.StartFromTree("f", "f([[[E/x"), "f([[[E/x");
  EXPECT_TRUE(dialog.Hhm());
}

}  // namespace
}  // namespace quillory
