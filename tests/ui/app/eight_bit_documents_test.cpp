#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QRawFont>

#include "app/ui/document_tabs.h"
#include "base/text_encoding.h"
#include "editor/ui/editor_font.h"
#include "support/window_test.h"

namespace quillory {
namespace {

// "café " in Windows-1252: not UTF-8, so shown as 8-bit text.
constexpr std::string_view kCafe = "caf\xE9 ";

class EightBitDocumentTest : public testing::WindowTest {
 protected:
  EightBitDocumentTest() {
    OpenFile("a.html", std::string(kCafe));
    Rich().Select(Rich().Length(), Rich().Length());
  }

  // A key whose text is `text`, as a keyboard layout delivers "€".
  void TypeCharacter(const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(&Rich(), &press);
  }
};

// A key, Ctrl+V and Shift+Insert each put text in as Windows-1252, and
// each is refused a character the code page lacks, which the question
// names; copying gives the characters back.
TEST_F(EightBitDocumentTest, TextComesInAsWindows1252OrIsRefused) {
  TypeCharacter("\u20AC");
  TypeCharacter("\u2192");
  for (const Qt::Key key : {Qt::Key_V, Qt::Key_Insert}) {
    const auto modifier =
        key == Qt::Key_V ? Qt::ControlModifier : Qt::ShiftModifier;
    QApplication::clipboard()->setText(key == Qt::Key_V ? "\u201A" : "\u2122");
    Key(key, modifier);
    QApplication::clipboard()->setText("\u2192");
    Key(key, modifier);
  }
  EXPECT_EQ(Text(), std::string(kCafe) + "\x80\x82\x99");
  EXPECT_EQ(Rich().Encoding(), TextEncoding::kWindows1252);
  ASSERT_EQ(fakes_.dialogs.questions.size(), 3u);
  const std::string& question = fakes_.dialogs.questions[0];
  EXPECT_NE(question.find("\"\u2192\" (U+2192)"), question.npos) << question;
  Rich().Select(3, 6);
  Rich().SendScintilla(QsciScintillaBase::SCI_COPY);
  EXPECT_EQ(QApplication::clipboard()->text(), "\u00E9 \u20AC");
}

TEST_F(EightBitDocumentTest, YesConvertsToUtf8ThenInsertsAndUndoStepsBack) {
  Type("!");
  fakes_.dialogs.answers.push_back(Answer::kYes);
  Rich().Select(1, 1);
  TypeCharacter("\u2192");
  EXPECT_EQ(Text(), "c\u2192af\u00E9 !");
  EXPECT_EQ(Rich().Encoding(), TextEncoding::kUtf8);
  EXPECT_FALSE(Tabs().At(0).saved);

  Trigger("Undo");
  EXPECT_EQ(Text(), "caf\u00E9 !");
  Trigger("Undo");
  EXPECT_EQ(Text(), std::string(kCafe) + "!");
  EXPECT_EQ(Rich().Encoding(), TextEncoding::kWindows1252);
}

// The control draws bytes 0x80 to 0x9F as U+0080 to U+009F; the editor's
// font gives each the glyph of its Windows-1252 character.
TEST(EditorFontTest, DrawsHighControlsAsWindows1252Characters) {
  const QRawFont font = QRawFont::fromFont(QFont(EditorFontFamily()));
  for (char byte : std::string_view("\x80\x85\x8A\x93\x99\x9F")) {
    const QString character =
        QString::fromStdString(Windows1252ToUtf8(std::string(1, byte)));
    const QChar drawn(static_cast<uchar>(byte));
    EXPECT_EQ(font.glyphIndexesForString(drawn),
              font.glyphIndexesForString(character))
        << character.toStdString();
  }
}

}  // namespace
}  // namespace quillory
