#include "insert/ui/tag_panel.h"

#include "insert/ui/tree_viewer.h"
#include "insert_window_fixture.h"

namespace quillory {
namespace {

// How a row answers what the button asks.
enum class Reply { kNothing, kOkTheDialog, kTypeLabel };
using enum Reply;

// The bytes a button leaves in an empty document, and in "xabcy" with "abc"
// selected; the caret ends after what went in.
struct PressCase {
  int index;
  std::string with_nothing_selected;
  std::string with_abc_selected;
  Reply reply = kNothing;
};

std::string In(const std::string& text) { return "x" + text + "y"; }

// A button that puts a tag pair around the selection.
PressCase Pair(int index, const std::string& tag) {
  const std::string open = "<" + tag + ">", close = "</" + tag + ">";
  return {index, open + close, In(open + "abc" + close)};
}
// A button that puts `text` in place of the selection.
PressCase Puts(int index, const std::string& text, Reply reply = kNothing) {
  return {index, text, In(text), reply};
}
// A button that puts the selection between `opening` and `closing`.
PressCase Wraps(int index, const std::string& opening,
                const std::string& closing) {
  return {index, opening + closing, In(opening + "abc" + closing)};
}
// A button that leaves the document as it is.
PressCase Leaves(int index) { return {index, "", "xabcy"}; }

class TagPanelTest : public TagPanelFixture {
 protected:
  // Presses every row's button once with nothing selected and once with
  // "abc" selected, comparing the document's bytes and the caret.
  void PressEach(const char* family, const std::vector<PressCase>& rows) {
    for (const PressCase& row : rows) {
      const QString name = QString("%1_%2").arg(family).arg(row.index);
      SCOPED_TRACE(name.toStdString());
      Press(name, row.reply, "", 0, row.with_nothing_selected, 0);
      Press(name, row.reply, "xabcy", 3, row.with_abc_selected, 1);
      for (TreeViewer* viewer : window_.findChildren<TreeViewer*>()) {
        viewer->close();
      }
      QApplication::processEvents();
    }
  }

  void Press(const QString& name, Reply reply, const std::string& before,
             int selected, const std::string& expected, int tail) {
    Rich().SetBytes(before);
    Rich().Select(tail, tail + selected);
    if (reply == kOkTheDialog) OkNextDialog();
    if (reply == kTypeLabel) fakes_.dialogs.typed_texts.push_back("L");
    Click(name);
    EXPECT_EQ(Rich().Bytes(), expected) << "selected: " << selected;
    if (expected != before) {
      EXPECT_EQ(Rich().Caret(), static_cast<int>(expected.size()) - tail);
    }
  }
};

// Every TImg index; the dialogs are confirmed with their defaults, and the
// toolbar's new, open, save as and print do nothing to the document.
TEST_F(TagPanelTest, EveryTImgButton) {
  const std::string kFieldset =
      "<fieldset>\r\n\t<legend>L</legend>\r\n</fieldset>";
  PressEach(
      "TImg",
      {Puts(0, "<Form >\r\n\r\n</Form>", kOkTheDialog),
       Puts(1, "<Input Type=\"Submit\">", kOkTheDialog), Pair(2, "button"),
       Puts(3, "<Input Type=\"text\">", kOkTheDialog),
       Puts(4, "<Input Type=\"hidden\">", kOkTheDialog),
       Puts(5, "<Textarea Cols=\"10\" Rows=\"10\">\r\n\r\n</Textarea>",
            kOkTheDialog),
       Puts(6, "<Input Type=\"file\" Size=\"10\">", kOkTheDialog),
       Puts(7, "<Input Type=\"radio\">", kOkTheDialog),
       Puts(8, "<Input Type=\"checkbox\">", kOkTheDialog),
       Puts(9, "<Select >\r\n\t<option></option>\r\n</select>", kOkTheDialog),
       Puts(10, kFieldset, kTypeLabel), Pair(11, "label"),
       Puts(12, "<Img >", kOkTheDialog), Puts(13, "<a></a>", kOkTheDialog),
       Leaves(14), Leaves(15), Leaves(16), Leaves(17), Leaves(18)});
}

const std::string kFlashStart =
    "<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" "
    "codebase=\"";
const std::string kShockwaveStart =
    "<object classid=\"clsid:166b1bca-3f9c-11cf-8075-444553540000\" "
    "codebase=\"";

// Every LImg index. The font chooser is cancelled on first use.
TEST_F(TagPanelTest, EveryLImgButton) {
  PressEach(
      "LImg",
      {Pair(0, "dd"),
       Pair(1, "dt"),
       Pair(2, "li"),
       Pair(3, "menu"),
       Pair(4, "ol"),
       Pair(5, "ul"),
       Puts(6, "<ol>\r\n\t<li>\r\n</ol>"),
       Puts(7, "<dl>\r\n\t<dt><dd>\r\n</dl>"),
       Puts(8, "<table>\r\n</table>", kOkTheDialog),  // no rows asked for
       Pair(9, "caption"),
       Pair(10, "table"),
       Pair(11, "td"),
       Pair(12, "th"),
       Pair(13, "tr"),
       Puts(14, "<applet code=\"\">"),
       Puts(15, "document.write(\"\")"),
       Pair(16, "script"),
       Pair(17, "noscript"),
       Puts(18, "<br>"),
       Puts(19, "<hr>"),
       Puts(20, "<!--#Include File=\"\"-->"),
       Puts(21, "&nbsp;"),
       Pair(22, "p"),
       Wraps(23,
             "<object id=\"\" classid=\"\" width=\"\" height=\"\" data=\"\">",
             "</object>"),
       Wraps(24, "<applet code=\"\" codebase = \"\" width=\"\" height=\"\">",
             "</applet>"),
       Wraps(25,
             "<div id=\"dhtml_layer\" style=\"position:absolute; left: 1px; "
             "top:1px; width: 100px; height: 100px; z-index:1\">",
             "</div>"),
       Wraps(26, "<embed src=\"\">", "</embed>"),
       Puts(27,
            "<embed src=\"\" autostart=\"false\" hidden=\"false\" loop=\"0\">"),
       Puts(
           28,
           "<embed src=\"\" autostart=\"false\" width=\"200\" height=\"200\">"),
       Leaves(31),
       Wraps(32, "<div style=\"text-align: center\">", "</div>"),
       Wraps(33, "<div style=\"text-align: left\">", "</div>"),
       Wraps(34, "<div style=\"text-align: right\">", "</div>"),
       Wraps(35, "<div style=\"text-align: justify\">", "</div>"),
       Wraps(36, "<font name=\"\" size=\"0\" color=\"#000000\">", "</font>")});

  // The object blocks are long; their fixed lines are what matters.
  for (auto [index, start] :
       {std::pair{29, kFlashStart}, {30, kShockwaveStart}}) {
    SCOPED_TRACE(index);
    Rich().SetBytes("xabcy");
    Rich().Select(1, 4);
    Click(QString("LImg_%1").arg(index));
    const QStringList lines =
        QString::fromStdString(Rich().Bytes()).split("\r\n");
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(QString::fromStdString("x" + start)));
    EXPECT_TRUE(lines[0].endsWith("\" width=\"200\" height=\"200\">"));
    EXPECT_EQ(lines[1], "<param name=\"src\" value=\"\">");
    EXPECT_TRUE(lines[2].startsWith("<embed src=\"\" pluginspage=\""));
    EXPECT_TRUE(lines[2].endsWith(
        "\" type=\"application/x-director\" width=\"200\" height=\"200\">"));
    EXPECT_EQ(lines[3], "</embed>");
    EXPECT_EQ(lines[4], "</object>y");
    EXPECT_EQ(Rich().Caret(), static_cast<int>(Rich().Bytes().size()) - 1);
  }
}

// Every Label2 index; the PHP marks wrap without blanks, B is upper case.
TEST_F(TagPanelTest, EveryLabel2Button) {
  PressEach(
      "Label2",
      {Puts(0, "<base href=\"\">"), Puts(1, "<frame>"), Pair(2, "noframes"),
       Pair(3, "iframe"), Pair(4, "frameset"), Wraps(5, "<?php", "?>"),
       Wraps(6, "<?=", "?>"), Pair(7, "B"), Pair(8, "I"), Pair(9, "U")});
}

}  // namespace
}  // namespace quillory
