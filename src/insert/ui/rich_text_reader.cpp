#include "insert/ui/rich_text_reader.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace quillory {
namespace {

RichAlign AlignOf(const QTextBlock& block) {
  const Qt::Alignment align = block.blockFormat().alignment();
  if (align & Qt::AlignHCenter) return RichAlign::kCentre;
  if (align & Qt::AlignRight) return RichAlign::kRight;
  return RichAlign::kLeft;
}

// Properties a fragment does not set are the document's: its default font
// and black.
RichFormat FormatOf(const QTextCharFormat& format, const QFont& plain,
                    RichAlign align) {
  const QBrush brush = format.foreground();
  const QFont font = format.font().resolve(plain);
  return {
      .colour = brush.style() == Qt::NoBrush ? 0 : ColourValue(brush.color()),
      .size = font.pointSizeF(),
      .bold = font.bold(),
      .italic = font.italic(),
      .underline = font.underline(),
      .strike = font.strikeOut(),
      .align = align};
}

void AppendCodes(const QString& text, const RichFormat& format,
                 std::vector<RichChar>& chars) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() &&
        text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    // A line break inside a paragraph (Shift+Enter) is still a line break.
    if (code == QChar::LineSeparator) {
      chars.push_back({U'\r', format});
      code = U'\n';
    }
    chars.push_back({code, format});
  }
}

}  // namespace

uint32_t ColourValue(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<uint32_t>(rgb.red()) |
         static_cast<uint32_t>(rgb.green()) << 8 |
         static_cast<uint32_t>(rgb.blue()) << 16;
}

QColor ColourOfValue(uint32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

RichText ReadRichText(const QTextDocument& document, const QTextCursor& caret) {
  const QFont plain = document.defaultFont();
  RichText text;
  text.caret = FormatOf(caret.charFormat(), plain, AlignOf(caret.block()));
  text.chars.reserve(static_cast<size_t>(document.characterCount()) + 1);
  for (QTextBlock block = document.begin(); block.isValid();
       block = block.next()) {
    const RichAlign align = AlignOf(block);
    RichFormat last = FormatOf(block.charFormat(), plain, align);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      last = FormatOf(fragment.charFormat(), plain, align);
      AppendCodes(fragment.text(), last, text.chars);
    }
    if (block.next().isValid()) {
      text.chars.push_back({U'\r', last});
      text.chars.push_back({U'\n', last});
    }
  }
  return text;
}

}  // namespace quillory
