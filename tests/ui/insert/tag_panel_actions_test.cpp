#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTreeWidget>

#include "insert/ui/tree_viewer.h"
#include "insert_window_fixture.h"

namespace quillory {
namespace {

constexpr int kTagStyle = 2;

using TagPanelActionsTest = TagPanelFixture;

TEST_F(TagPanelActionsTest, PagesInTheirOrderAndTheToolbarRow) {
  QStringList titles;
  for (int page = 0; page < TTab().count(); ++page)
    titles << TTab().tabText(page);
  EXPECT_EQ(titles, QStringList({"Forms", "Lists", "Tables", "Frames", "Script",
                                 "Common", "PHP", "Advanced"}));
  auto* toolbar = window_.findChild<QWidget*>("Panel");
  for (int index = 12; index <= 17; ++index)
    EXPECT_EQ(Button(QString("TImg_%1").arg(index)).parentWidget(), toolbar);
  EXPECT_EQ(TTab().indexOf(Button("TImg_18").parentWidget()), 6);
  EXPECT_EQ(TTab().indexOf(Button("LImg_31").parentWidget()), 4);
  EXPECT_EQ(TTab().indexOf(Button("Label2_7").parentWidget()), 5);
}

TEST_F(TagPanelActionsTest, CaptionsAndTooltips) {
  EXPECT_EQ(Button("TImg_1").toolTip(), "Button element(submit,reset,button)");
  EXPECT_EQ(Button("LImg_19").toolTip(), "Horizonal Line");
  EXPECT_EQ(Button("LImg_19").accessibleName(), "Horizonal Line");
  EXPECT_EQ(Button("Label2_6").text(), "?=");
  EXPECT_EQ(Button("Label2_6").toolTip(), "PHP Output");
  EXPECT_EQ(Button("LImg_29").toolTip(), "");
  EXPECT_EQ(Button("TImg_15").toolTip(), "");
  EXPECT_FALSE(Button("LImg_36").icon().isNull());
}

TEST_F(TagPanelActionsTest, BorderShowsOnlyWhileTheMouseIsDown) {
  PanelToolButton& button = Button("TImg_2");
  EXPECT_EQ(button.Border(), PanelToolButton::BorderStyle::kNone);
  QTest::mousePress(&button, Qt::LeftButton);
  EXPECT_EQ(button.Border(), PanelToolButton::BorderStyle::kSingle);
  QTest::mouseRelease(&button, Qt::LeftButton);
  EXPECT_EQ(button.Border(), PanelToolButton::BorderStyle::kNone);
}

// The change handling colours only the caret's line; the first line of a
// block must be coloured by the insertion itself.
TEST_F(TagPanelActionsTest, InsertedLinesAboveTheCaretAreColoured) {
  Click("LImg_6");
  ASSERT_EQ(Rich().Bytes(), "<ol>\r\n\t<li>\r\n</ol>");
  EXPECT_EQ(Rich().StyleAt(1), kTagStyle);

  Rich().SetBytes("a\r\nb");
  Rich().Select(0, 4);
  Click("Label2_8");
  ASSERT_EQ(Rich().Bytes(), "<I>a\r\nb</I>");
  EXPECT_EQ(Rich().StyleAt(1), kTagStyle);
}

// Every insertion goes through the editor's selection replacement, which
// shows the caret wherever the view was scrolled to.
TEST_F(TagPanelActionsTest, InsertionShowsTheCaret) {
  using Sci = QsciScintillaBase;
  Rich().SetBytes(NumberedLines(500));
  Rich().Select(Rich().Length(), Rich().Length());
  Rich().ScrollLines(-500);
  Click("LImg_6");
  const long caret_line =
      Rich().SendScintilla(Sci::SCI_LINEFROMPOSITION, Rich().Caret());
  const long first = Rich().FirstVisibleLine();
  EXPECT_GE(caret_line, first);
  EXPECT_LT(caret_line, first + Rich().SendScintilla(Sci::SCI_LINESONSCREEN));
}

TEST_F(TagPanelActionsTest, FieldsetPromptAndItsCancel) {
  Click("TImg_10");
  ASSERT_EQ(fakes_.dialogs.prompts.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.prompts[0],
            (std::vector<std::string>{"Fieldset", "Label", ""}));
  EXPECT_EQ(Rich().Bytes(), "<fieldset>\r\n\t<legend></legend>\r\n</fieldset>");
}

TEST_F(TagPanelActionsTest, SelectListGetsItsOptionLineHoweverClosed) {
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    qobject_cast<QLineEdit*>(ValueCells(*dialog)[1])->setText("s");
    PressOk(*dialog);
  });
  Click("TImg_9");
  EXPECT_EQ(Rich().Bytes(),
            "<Select Name=\"s\">\r\n\t<option></option>\r\n</select>");

  Rich().SetBytes("");
  QTimer::singleShot(0, [] {
    qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject();
  });
  Click("TImg_9");
  EXPECT_EQ(Rich().Bytes(), "\r\n\t<option></option>\r\n</select>");
}

// The chooser starts from Arial 9 with colour and effects; a confirmed font
// is remembered through a later cancel.
TEST_F(TagPanelActionsTest, ConfirmedFontIsRememberedThroughACancel) {
  const std::string kVerdana =
      "<font name=\"Verdana\" size=\"12\" color=\"#000000\"><b><u>x</u></b>"
      "</font>";
  FontChoice verdana;
  verdana.face = "Verdana";
  verdana.size = 12;
  verdana.bold = true;
  verdana.underline = true;
  fakes_.dialogs.chosen_fonts.push_back(verdana);
  for (int use = 0; use < 2; ++use) {
    Rich().SetBytes("x");
    Rich().Select(0, 1);
    Click("LImg_36");
    EXPECT_EQ(Rich().Bytes(), kVerdana);
  }
  ASSERT_EQ(fakes_.dialogs.offered_fonts.size(), 2u);
  EXPECT_EQ(fakes_.dialogs.offered_fonts[0].face, "Arial");
  EXPECT_EQ(fakes_.dialogs.offered_fonts[0].size, 9);
  EXPECT_EQ(fakes_.dialogs.offered_extras[0],
            FontChooserExtras::kColourAndEffects);
  EXPECT_EQ(fakes_.dialogs.offered_fonts[1].face, "Verdana");
  EXPECT_EQ(fakes_.dialogs.offered_fonts[1].size, 12);
}

TEST_F(TagPanelActionsTest, ToolbarFollowsTheMenuCommands) {
  EXPECT_FALSE(Button("TImg_14").isEnabled());  // no templates yet
  EXPECT_FALSE(Button("TImg_17").isEnabled());  // no printing yet
  EXPECT_TRUE(Button("TImg_15").isEnabled());
  EXPECT_TRUE(Button("TImg_16").isEnabled());
  window_.Action("SaveHtml")->setEnabled(false);
  EXPECT_FALSE(Button("TImg_16").isEnabled());
}

TEST_F(TagPanelActionsTest, ToolbarOpenAndSaveRunTheFileCommands) {
  Click("TImg_15");
  EXPECT_EQ(fakes_.dialogs.offered_filters.size(), 1u);

  const std::string path = folder_.Path("saved.html");
  fakes_.dialogs.chosen_files.push_back(path);
  Click("LImg_18");
  Click("TImg_16");
  EXPECT_EQ(folder_.Read("saved.html"), "<br>");
}

TEST_F(TagPanelActionsTest, ReferenceTreesOpenWithoutBlocking) {
  for (auto [button, title] : {std::pair{"TImg_18", "PHP"}, {"LImg_31", "J"}}) {
    Click(button);
    auto* viewer = window_.findChild<TreeViewer*>();
    ASSERT_NE(viewer, nullptr) << button;
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    QTreeWidget* folders = viewer->findChild<QTreeWidget*>("Folders");
    EXPECT_TRUE(folders->topLevelItem(0)->text(0).startsWith(title))
        << folders->topLevelItem(0)->text(0).toStdString();
    EXPECT_GT(folders->topLevelItem(0)->childCount(), 0);
    delete viewer;
  }
}

}  // namespace
}  // namespace quillory
