#pragma once

#include "insert/rich_html.h"

class QColor;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace quillory {

// 0x00BBGGRR, as the converter keeps colours.
uint32_t ColourValue(const QColor& colour);
QColor ColourOfValue(uint32_t value);

// The text of `document` with each character's format, read a fragment at
// a time; a paragraph break counts as CR LF in the format of the text
// before it. `caret` gives the format of an empty document.
RichText ReadRichText(const QTextDocument& document, const QTextCursor& caret);

}  // namespace quillory
