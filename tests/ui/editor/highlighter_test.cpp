#include "editor/ui/highlighter.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QTest>

#include <tuple>
#include <utility>
#include <vector>

#include "app/ui/main_window.h"
#include "base/file_bytes.h"
#include "core/editor/format_runs.h"
#include "editor/colour_table.h"
#include "editor/html_parse.h"
#include "editor/sliced_colouring.h"
#include "editor/ui/editor.h"
#include "support/paint_watch.h"
#include "support/window_test.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

constexpr int kKeyword = 1;
constexpr int kTag = 2;
constexpr int kPhp = 4;
constexpr int kString = 6;

class HighlighterTest : public testing::WindowTest {
 protected:
  HighlighterTest() { window_.NewTab("a.php"); }

  void Open(const std::string& text) {
    Rich().SetBytes(text);
    window_.ColourWholeText();
  }

  std::string Styles() { return Rich().StylesInRange(0, Rich().Length()); }

  // The styles the colouring pass gives, without any index, when it
  // colours 1-based s..e of `text` (kFromCaret: the caret's line) for each
  // caret in turn, starting from plain text.
  std::string ExpectedStyles(const std::string& text,
                             const std::vector<int>& carets, int64_t s,
                             int64_t e) {
    const PhpKeywords keywords(
        LoadPhpKeywords(folder_.Path("program/languages/php.lng")));
    std::string styles(text.size(), 0);
    for (int caret : carets) {
      styles = Applied(ParseHTML(text, caret, s, e, keywords), styles);
    }
    return styles;
  }
};

// Blue tags, teal PHP, grey strings and bold black keywords.
TEST_F(HighlighterTest, StylesShowTheFixedColours) {
  const std::tuple<int, long, bool> looks[] = {{kKeyword, 0, true},
                                               {kTag, 0xFF0000, false},
                                               {kPhp, 0x808000, false},
                                               {kString, 0x777777, false}};
  for (const auto& [style, colour, bold] : looks) {
    EXPECT_EQ(Rich().SendScintilla(Sci::SCI_STYLEGETFORE, style), colour);
    EXPECT_EQ(Rich().SendScintilla(Sci::SCI_STYLEGETBOLD, style), bold);
  }
}

// A page's script shows its own kinds, not a tag at "<"; switched off, the
// colouring pass alone colours it. A dark palette brings dark colours and
// its own selection colour, a light one the pass's own again, and the
// choice is kept for the next start.
TEST_F(HighlighterTest, ScriptsTakeTheirOwnColoursAndFollowThePalette) {
  Open("<script>if (a < b)</script>");
  EXPECT_EQ(Rich().StyleAt(8), ScriptStyle(ScriptKind::kKeyword));
  EXPECT_EQ(Rich().StyleAt(14), ScriptStyle(ScriptKind::kPlain));
  QAction* colour_scripts = window_.findChild<QAction*>("ColourScripts");
  colour_scripts->trigger();
  EXPECT_EQ(Rich().StyleAt(14), kTag);
  EXPECT_EQ(ReadFileBytes(Environment().user_folder + "quillory.conf"),
            "ColourScripts=0\n");
  colour_scripts->trigger();
  EXPECT_EQ(Rich().StyleAt(14), ScriptStyle(ScriptKind::kPlain));

  const auto fore = [this](int style) {
    return Rich().SendScintilla(Sci::SCI_STYLEGETFORE, style);
  };
  const QPalette light = Rich().palette();
  QPalette dark = light;
  dark.setColor(QPalette::Base, Qt::black);
  const QColor selection(0x80, 0x10, 0x90);
  dark.setColor(QPalette::Highlight, selection);
  Rich().setPalette(dark);
  EXPECT_EQ(fore(0),
            static_cast<long>(LookOfStyle(0, EditorPalette::kDark).colour));
  EXPECT_NE(fore(0), 0);
  Rich().SendScintilla(Sci::SCI_SELECTALL);
  const int left = Rich().SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0, 0L);
  EXPECT_EQ(Rich().viewport()->grab().toImage().pixelColor(left + 1, 1),
            selection);
  Rich().setPalette(light);
  EXPECT_EQ(fore(0), 0);
}

// Putting the caret back would scroll to it; the view is held where it was.
TEST_F(HighlighterTest, CaretComesBackWithoutSelectionAndViewStays) {
  Open(NumberedLines(400));
  Rich().Select(5030, 5010);
  Rich().ScrollLines(120);
  const int first_visible = Rich().FirstVisibleLine();
  Highlighter().ParseCodeFromRich(Rich());
  EXPECT_EQ(Rich().Caret(), 5010);
  EXPECT_EQ(Rich().SelectionEnd(), 5010);
  EXPECT_EQ(Rich().FirstVisibleLine(), first_visible);

  Rich().Select(7000, 7040);
  Rich().ScrollLines(-200);
  const int scrolled_back = Rich().FirstVisibleLine();
  ASSERT_LT(scrolled_back, first_visible);
  Highlighter().SetForParsing(Rich(), 1, Rich().Length());
  EXPECT_EQ(Rich().Caret(), 7000);
  EXPECT_EQ(Rich().SelectionEnd(), 7000);
  EXPECT_EQ(Rich().FirstVisibleLine(), scrolled_back);
}

// A long page shows its first screen coloured while the rest is still
// plain, then is coloured whole.
TEST_F(HighlighterTest, ALongPageShowsItsFirstScreenColouredFirst) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  Open(NumberedLines(100000));
  ASSERT_GT(Rich().Length(), kColouringSlice);
  Rich().SendScintilla(Sci::SCI_CLEARDOCUMENTSTYLE);
  std::vector<std::pair<int, int>> painted;  // first and last byte's styles
  testing::PaintWatch watch(Rich().viewport(), [&] {
    painted.emplace_back(Rich().StyleAt(0),
                         Rich().StyleAt(Rich().Length() - 3));
  });
  window_.ColourWholeText();
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted[0], std::pair(kTag, 0));
  EXPECT_EQ(Rich().StyleAt(Rich().Length() - 3), kTag);
}

// After PHP marks are typed and deleted, colouring each line must give
// what a colouring that reads the whole text gives: the block index that
// spares reading has followed every edit.
TEST_F(HighlighterTest, LinesAfterTypingMarksMatchAColouringThatRereads) {
  Open("<p>\r\n\r\n\r\n\r\n</p>\r\n");
  for (const auto& [at, keys] : {std::pair{5, "<?php if 'a' ?>"},
                                 {24, "<? echo"},
                                 {12, "\b\b"},
                                 {33, "\"q\" else"}}) {
    Rich().Select(at, at);
    QTest::keyClicks(&Rich(), keys);
  }
  const std::string text = Rich().Bytes();
  std::vector<int> line_starts;
  for (int line = 0; line < 6; ++line) {
    line_starts.push_back(static_cast<int>(
        Rich().SendScintilla(Sci::SCI_POSITIONFROMLINE, line)));
  }
  Rich().SetStyles(0, std::string(text.size(), '\0'));
  for (int start : line_starts) {
    Rich().Select(start, start);
    Highlighter().ParseCodeFromRich(Rich());
  }
  EXPECT_EQ(Styles(), ExpectedStyles(text, line_starts, kFromCaret, kFromCaret))
      << text;
}

// Bytes of every kind survive colouring. Long stretches of one style and
// short ones between them reach the control by different messages; the
// styles must not tell which.
TEST_F(HighlighterTest, WholeTextStylesAreThoseOfTheColouringPass) {
  const std::string stretches =
      std::string(300, 'a') + "<b>" + std::string(47, 'c') + "<" +
      std::string(48, 'd') + ">'e'\r\n<?php echo \"" + std::string(100, 'f') +
      "\" ?>" + NumberedLines(20);
  for (const std::string& text :
       {std::string("<a\0\xff\xc0\r'\"\x80<?php\r\n", 16), stretches,
        stretches + "<i>"}) {
    Open(text);
    EXPECT_EQ(Rich().Bytes(), text);
    EXPECT_EQ(Styles(), ExpectedStyles(text, {1}, 1, std::ssize(text)));
  }
}

}  // namespace
}  // namespace quillory
