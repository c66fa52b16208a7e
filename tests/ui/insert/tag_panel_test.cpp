#include "insert/ui/tag_panel.h"

#include <QAction>
#include <QTabWidget>
#include <QTreeWidget>

#include <tuple>

#include "insert/ui/panel_tool_button.h"
#include "insert/ui/tree_viewer.h"
#include "insert_window_fixture.h"

namespace quillory {
namespace {

constexpr int kTagStyle = 2;

// The main window with one document open, reached through the tag panel's
// buttons as a user reaches them.
class TagPanelTest : public InsertWindowTest {
 protected:
  PanelToolButton& Button(const QString& name) {
    auto* button = window_.findChild<PanelToolButton*>(name);
    EXPECT_NE(button, nullptr) << name.toStdString();
    return *button;
  }

  QTabWidget& TTab() { return *window_.findChild<QTabWidget*>("TTab"); }

  // Brings the button's page to the front, as a user would, and clicks it.
  void Click(const QString& name) {
    PanelToolButton& button = Button(name);
    const int page = TTab().indexOf(button.parentWidget());
    if (page >= 0) TTab().setCurrentIndex(page);
    QTest::mouseClick(&button, Qt::LeftButton);
  }
};

// One button of each kind, pressed with nothing selected and with "abc"
// selected in "xabcy"; the caret ends after what went in. What the other
// buttons of a kind put in is their row of the button table.
TEST_F(TagPanelTest, EachKindOfButtonReplacesOrWrapsTheSelection) {
  // The button, what it gives with nothing and with "abc" selected, and
  // whether it asks in a dialog.
  const std::tuple<const char*, std::string, std::string, bool> rows[] = {
      {"LImg_18", "<br>", "x<br>y", false},
      {"Label2_5", "<?php?>", "x<?phpabc?>y", false},
      {"LImg_22", "<p></p>", "x<p>abc</p>y", false},
      {"Label2_7", "<B></B>", "x<B>abc</B>y", false},
      {"TImg_1", "<Input Type=\"Submit\">", "x<Input Type=\"Submit\">y", true},
      {"TImg_14", "", "xabcy", false},  // no templates yet
  };
  for (const auto& [button, with_nothing, with_abc, dialog] : rows) {
    for (const bool abc : {false, true}) {
      SCOPED_TRACE(std::string(button) + (abc ? " on abc" : ""));
      const std::string before = abc ? "xabcy" : "";
      const std::string& expected = abc ? with_abc : with_nothing;
      Rich().SetBytes(before);
      Rich().Select(abc, abc ? 4 : 0);
      if (dialog) AnswerNextDialog(PressOk);
      Click(button);
      EXPECT_EQ(Rich().Bytes(), expected);
      if (expected != before) {
        EXPECT_EQ(Rich().Caret(), static_cast<int>(expected.size()) - abc);
      }
    }
  }
}

TEST_F(TagPanelTest, BorderShowsOnlyWhileTheMouseIsDown) {
  PanelToolButton& button = Button("TImg_2");
  EXPECT_EQ(button.Border(), PanelToolButton::BorderStyle::kNone);
  QTest::mousePress(&button, Qt::LeftButton);
  EXPECT_EQ(button.Border(), PanelToolButton::BorderStyle::kSingle);
  QTest::mouseRelease(&button, Qt::LeftButton);
  EXPECT_EQ(button.Border(), PanelToolButton::BorderStyle::kNone);
}

// The change handling colours only the caret's line; the first line of a
// block must be coloured by the insertion itself. Insertions far below
// the top of a long text scroll to what they put in.
TEST_F(TagPanelTest, InsertedLinesAreColouredAndShown) {
  using Sci = QsciScintillaBase;
  Click("LImg_6");
  ASSERT_EQ(Rich().Bytes(), "<ol>\r\n\t<li>\r\n</ol>");
  EXPECT_EQ(Rich().StyleAt(1), kTagStyle);
  Rich().SetBytes("a\r\nb");
  Rich().Select(0, 4);
  Click("Label2_8");
  ASSERT_EQ(Rich().Bytes(), "<I>a\r\nb</I>");
  EXPECT_EQ(Rich().StyleAt(1), kTagStyle);

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

// A cancelled label prompt, select dialog or font chooser inserts nothing;
// the chooser starts from Arial 9 with colour and effects, and a confirmed
// font is remembered through a later cancel.
TEST_F(TagPanelTest, CancelledDialogsInsertNothing) {
  Click("TImg_10");
  EXPECT_EQ(fakes_.dialogs.prompts.at(0),
            (std::vector<std::string>{"Fieldset", "Label", ""}));
  EXPECT_EQ(Rich().Bytes(), "");
  fakes_.dialogs.typed_texts.push_back("L");
  Click("TImg_10");
  EXPECT_EQ(Rich().Bytes(),
            "<fieldset>\r\n\t<legend>L</legend>\r\n</fieldset>");
  Rich().SetBytes("");
  AnswerNextDialog([](QDialog& dialog) {
    qobject_cast<QLineEdit*>(ValueCells(dialog)[1])->setText("s");
    PressOk(dialog);
  });
  Click("TImg_9");
  EXPECT_EQ(Rich().Bytes(),
            "<Select Name=\"s\">\r\n\t<option></option>\r\n</select>");
  Rich().SetBytes("");
  AnswerNextDialog([](QDialog& dialog) { dialog.reject(); });
  Click("TImg_9");
  EXPECT_EQ(Rich().Bytes(), "");

  const FontChoice verdana{.face = "Verdana", .size = 12, .bold = true};
  fakes_.dialogs.chosen_fonts.push_back(verdana);
  for (const char* expected :
       {"<font name=\"Verdana\" size=\"12\" color=\"#000000\"><b>x</b></font>",
        "x"}) {
    Rich().SetBytes("x");
    Rich().Select(0, 1);
    Click("LImg_36");
    EXPECT_EQ(Rich().Bytes(), expected);
  }
  ASSERT_EQ(fakes_.dialogs.offered_fonts.size(), 2u);
  EXPECT_EQ(fakes_.dialogs.offered_fonts[0].face, "Arial");
  EXPECT_EQ(fakes_.dialogs.offered_fonts[0].size, 9);
  EXPECT_EQ(fakes_.dialogs.offered_extras[0],
            FontChooserExtras::kColourAndEffects);
  EXPECT_EQ(fakes_.dialogs.offered_fonts[1].face, "Verdana");
}

// Saving from the toolbar is the end-to-end tag panel run.
TEST_F(TagPanelTest, ToolbarFollowsAndRunsTheMenuCommands) {
  Action("SaveHtml")->setEnabled(false);
  EXPECT_FALSE(Button("TImg_16").isEnabled());
  Click("TImg_15");
  EXPECT_EQ(fakes_.dialogs.offered_filters.size(), 1u);
}

TEST_F(TagPanelTest, ReferenceTreesOpenWithoutBlocking) {
  for (auto [button, title] : {std::pair{"TImg_18", "PHP"}, {"LImg_31", "J"}}) {
    Click(button);
    auto* viewer = window_.findChild<TreeViewer*>();
    ASSERT_NE(viewer, nullptr) << button;
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    QTreeWidget* folders = viewer->findChild<QTreeWidget*>("Folders");
    EXPECT_TRUE(folders->topLevelItem(0)->text(0).startsWith(title));
    EXPECT_GT(folders->topLevelItem(0)->childCount(), 0);
    delete viewer;
  }
}

}  // namespace
}  // namespace quillory
