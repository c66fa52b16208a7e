#include "insert/ui/tag_panel.h"

#include "insert/ui/tree_viewer.h"
#include "tag_panel_fixture.h"

namespace quillory {
namespace {

// How a row answers what the button asks.
enum class Reply { kNothing, kOkTheDialog, kTypeLabel };

struct PressCase {
  const char* rule;
  int index;
  std::string with_nothing_selected;  // in an empty document
  std::string with_abc_selected;      // in "xabcy"
  Reply reply = Reply::kNothing;
};

const std::string kUnchanged = "\x01";

class TagPanelTest : public TagPanelFixture {
 protected:
  void Prepare(Reply reply) {
    if (reply == Reply::kOkTheDialog) OkNextDialog();
    if (reply == Reply::kTypeLabel) fakes_.dialogs.typed_texts.push_back("L");
  }

  void CloseTreeViewers() {
    for (TreeViewer* viewer : window_.findChildren<TreeViewer*>())
      viewer->close();
    QApplication::processEvents();
  }

  // Presses every row's button once with nothing selected and once with
  // "abc" selected, comparing the document's bytes and the caret.
  void PressEach(const char* family, const std::vector<PressCase>& rows) {
    for (const PressCase& row : rows) {
      SCOPED_TRACE(row.rule);
      const QString name = QString("%1_%2").arg(family).arg(row.index);
      Expect(name, row, "", 0, 0, row.with_nothing_selected, 0);
      Expect(name, row, "xabcy", 1, 4, row.with_abc_selected, 1);
      CloseTreeViewers();
    }
  }

  void Expect(const QString& name, const PressCase& row,
              const std::string& before, int from, int to,
              const std::string& expected, int tail) {
    Rich().SetBytes(before);
    Rich().Select(from, to);
    Prepare(row.reply);
    Click(name);
    if (expected == kUnchanged) {
      EXPECT_EQ(Rich().Bytes(), before) << "selected: " << to - from;
      return;
    }
    EXPECT_EQ(Rich().Bytes(), expected) << "selected: " << to - from;
    EXPECT_EQ(Rich().Caret(), static_cast<int>(expected.size()) - tail);
  }
};

std::string Pair(const std::string& tag, const std::string& inside) {
  return "<" + tag + ">" + inside + "</" + tag + ">";
}

// What "xabcy" becomes when `text` replaces the selected "abc".
std::string In(const std::string& text) { return "x" + text + "y"; }

// Every TImg index; the dialogs are confirmed with their defaults.
TEST_F(TagPanelTest, EveryTImgButton) {
  using enum Reply;
  const std::string kSelectEnd = "\r\n\t<option></option>\r\n</select>";
  const std::string kFieldset =
      "<fieldset>\r\n\t<legend>L</legend>\r\n</fieldset>";
  PressEach(
      "TImg",
      {
          {"FormDialog", 0, "<Form >\r\n\r\n</Form>",
           In("<Form >\r\n\r\n</Form>"), kOkTheDialog},
          {"PushButtonDialog", 1, "<Input Type=\"Submit\">",
           In("<Input Type=\"Submit\">"), kOkTheDialog},
          {"ButtonPair", 2, Pair("button", ""), In(Pair("button", "abc"))},
          {"TextDialog", 3, "<Input Type=\"text\">",
           In("<Input Type=\"text\">"), kOkTheDialog},
          {"HiddenDialog", 4, "<Input Type=\"hidden\">",
           In("<Input Type=\"hidden\">"), kOkTheDialog},
          {"TextareaDialog", 5,
           "<Textarea Cols=\"10\" Rows=\"10\">\r\n\r\n</Textarea>",
           In("<Textarea Cols=\"10\" Rows=\"10\">\r\n\r\n</Textarea>"),
           kOkTheDialog},
          {"FileDialog", 6, "<Input Type=\"file\" Size=\"10\">",
           In("<Input Type=\"file\" Size=\"10\">"), kOkTheDialog},
          {"RadioDialog", 7, "<Input Type=\"radio\">",
           In("<Input Type=\"radio\">"), kOkTheDialog},
          {"CheckboxDialog", 8, "<Input Type=\"checkbox\">",
           In("<Input Type=\"checkbox\">"), kOkTheDialog},
          {"SelectDialogThenOptions", 9, "<Select >" + kSelectEnd,
           In("<Select >" + kSelectEnd), kOkTheDialog},
          {"FieldsetAsksALabel", 10, kFieldset, In(kFieldset), kTypeLabel},
          {"LabelPair", 11, Pair("label", ""), In(Pair("label", "abc"))},
          {"ImageDialog", 12, "<Img >", In("<Img >"), kOkTheDialog},
          {"LinkDialog", 13, "<a></a>", In("<a></a>"), kOkTheDialog},
          {"NewIsNotBuilt", 14, kUnchanged, kUnchanged},
          {"OpenCancelled", 15, kUnchanged, kUnchanged},
          {"SaveAsCancelled", 16, kUnchanged, kUnchanged},
          {"PrintIsNotBuilt", 17, kUnchanged, kUnchanged},
          {"PhpReferenceTree", 18, kUnchanged, kUnchanged},
      });
}

std::string Wrap(const std::string& opening, const std::string& closing) {
  return opening + closing;
}

const std::string kFlashStart =
    "<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" "
    "codebase=\"";
const std::string kShockwaveStart =
    "<object classid=\"clsid:166b1bca-3f9c-11cf-8075-444553540000\" "
    "codebase=\"";

// Every LImg index. The font chooser is cancelled on first use.
TEST_F(TagPanelTest, EveryLImgButton) {
  const std::string kCentre = "<div style=\"text-align: center\">";
  const std::string kLeft = "<div style=\"text-align: left\">";
  const std::string kRight = "<div style=\"text-align: right\">";
  const std::string kJustify = "<div style=\"text-align: justify\">";
  const std::string kObject =
      "<object id=\"\" classid=\"\" width=\"\" height=\"\" data=\"\">";
  const std::string kApplet =
      "<applet code=\"\" codebase = \"\" width=\"\" height=\"\">";
  const std::string kLayer =
      "<div id=\"dhtml_layer\" style=\"position:absolute; left: 1px; "
      "top:1px; width: 100px; height: 100px; z-index:1\">";
  const std::string kSound =
      "<embed src=\"\" autostart=\"false\" hidden=\"false\" loop=\"0\">";
  const std::string kVideo =
      "<embed src=\"\" autostart=\"false\" width=\"200\" height=\"200\">";
  const std::string kFont = "<font name=\"\" size=\"0\" color=\"#000000\">";
  const std::string kTable = "<table>\r\n</table>";  // no rows asked for
  std::vector<PressCase> rows = {
      {"DdPair", 0, Pair("dd", ""), In(Pair("dd", "abc"))},
      {"DtPair", 1, Pair("dt", ""), In(Pair("dt", "abc"))},
      {"LiPair", 2, Pair("li", ""), In(Pair("li", "abc"))},
      {"MenuPair", 3, Pair("menu", ""), In(Pair("menu", "abc"))},
      {"OlPair", 4, Pair("ol", ""), In(Pair("ol", "abc"))},
      {"UlPair", 5, Pair("ul", ""), In(Pair("ul", "abc"))},
      {"ListBlockReplaces", 6, "<ol>\r\n\t<li>\r\n</ol>",
       In("<ol>\r\n\t<li>\r\n</ol>")},
      {"DefinitionListReplaces", 7, "<dl>\r\n\t<dt><dd>\r\n</dl>",
       In("<dl>\r\n\t<dt><dd>\r\n</dl>")},
      {"TableDialog", 8, kTable, In(kTable), Reply::kOkTheDialog},
      {"CaptionPair", 9, Pair("caption", ""), In(Pair("caption", "abc"))},
      {"TablePair", 10, Pair("table", ""), In(Pair("table", "abc"))},
      {"TdPair", 11, Pair("td", ""), In(Pair("td", "abc"))},
      {"ThPair", 12, Pair("th", ""), In(Pair("th", "abc"))},
      {"TrPair", 13, Pair("tr", ""), In(Pair("tr", "abc"))},
      {"AppletReplaces", 14, "<applet code=\"\">", In("<applet code=\"\">")},
      {"DocumentWriteReplaces", 15, "document.write(\"\")",
       In("document.write(\"\")")},
      {"ScriptPair", 16, Pair("script", ""), In(Pair("script", "abc"))},
      {"NoscriptPair", 17, Pair("noscript", ""), In(Pair("noscript", "abc"))},
      {"BreakReplaces", 18, "<br>", In("<br>")},
      {"RuleReplaces", 19, "<hr>", In("<hr>")},
      {"IncludeReplaces", 20, "<!--#Include File=\"\"-->",
       In("<!--#Include File=\"\"-->")},
      {"SpaceReplaces", 21, "&nbsp;", In("&nbsp;")},
      {"ParagraphPair", 22, Pair("p", ""), In(Pair("p", "abc"))},
      {"ObjectWraps", 23, Wrap(kObject, "</object>"),
       In(kObject + "abc</object>")},
      {"AppletWraps", 24, Wrap(kApplet, "</applet>"),
       In(kApplet + "abc</applet>")},
      {"LayerWraps", 25, Wrap(kLayer, "</div>"), In(kLayer + "abc</div>")},
      {"EmbedWraps", 26, "<embed src=\"\"></embed>",
       In("<embed src=\"\">abc</embed>")},
      {"SoundReplaces", 27, kSound, In(kSound)},
      {"VideoReplaces", 28, kVideo, In(kVideo)},
      {"JsReferenceTree", 31, kUnchanged, kUnchanged},
      {"CentreWraps", 32, Wrap(kCentre, "</div>"), In(kCentre + "abc</div>")},
      {"LeftWraps", 33, Wrap(kLeft, "</div>"), In(kLeft + "abc</div>")},
      {"RightWraps", 34, Wrap(kRight, "</div>"), In(kRight + "abc</div>")},
      {"JustifyWraps", 35, Wrap(kJustify, "</div>"),
       In(kJustify + "abc</div>")},
      {"CancelledFontStillWraps", 36, kFont + "</font>",
       In(kFont + "abc</font>")},
  };
  PressEach("LImg", rows);

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

TEST_F(TagPanelTest, EveryLabel2Button) {
  PressEach(
      "Label2",
      {
          {"BaseTargetReplaces", 0, "<base href=\"\">", In("<base href=\"\">")},
          {"FrameReplaces", 1, "<frame>", In("<frame>")},
          {"NoframesPair", 2, Pair("noframes", ""),
           In(Pair("noframes", "abc"))},
          {"IframePair", 3, Pair("iframe", ""), In(Pair("iframe", "abc"))},
          {"FramesetPair", 4, Pair("frameset", ""),
           In(Pair("frameset", "abc"))},
          {"PhpTagWrapsWithoutBlanks", 5, "<?php?>", In("<?phpabc?>")},
          {"PhpOutputWraps", 6, "<?=?>", In("<?=abc?>")},
          {"BoldPairIsUpperCase", 7, Pair("B", ""), In(Pair("B", "abc"))},
          {"ItalicPair", 8, Pair("I", ""), In(Pair("I", "abc"))},
          {"UnderlinePair", 9, Pair("U", ""), In(Pair("U", "abc"))},
      });
}

}  // namespace
}  // namespace quillory
