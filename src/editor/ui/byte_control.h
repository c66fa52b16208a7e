#pragma once

#include <Qsci/qsciscintillabase.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text_encoding.h"

namespace quillory {

// The editing control's byte-level messages: text, styles, selection and
// documents read as bytes with explicit lengths, never through QString.
// It changes no text and tells no history; Editor does both. Positions are
// 0-based byte offsets.
class ByteControl : public QsciScintillaBase {
 public:
  // A Scintilla document: text, styles, code page and line-end mode.
  using DocumentHandle = void*;

  explicit ByteControl(QWidget* parent = nullptr);

  std::string Bytes() const;
  std::string BytesInRange(int start, int end) const;
  // The bytes start..end-1 where they lie, without copying; valid until the
  // text changes or another range is asked for. Joining the two halves of
  // the control's buffer costs only when the range spans the last edit.
  std::string_view PeekRange(int start, int end) const;
  // The bytes from `start` to the end of the half of the control's buffer
  // they lie in, without moving the other half; valid as PeekRange's.
  std::string_view PeekFrom(int start) const;
  std::string SelectedBytes() const;
  int Length() const;

  int Caret() const;
  int SelectionStart() const;
  int SelectionEnd() const;
  // Selects from `anchor` to `caret`; equal values place the caret.
  void Select(int anchor, int caret);
  // The first byte and the end of the caret's line, line end excluded.
  int CaretLineStart() const;
  int CaretLineEnd() const;
  // 0-based, as the control counts lines (at LF).
  int CaretLine() const;
  // The caret at the start of `line`, or at the last line's start when the
  // text has fewer lines.
  void PutCaretOnLine(int line);
  int FirstVisibleLine() const;
  int LineCount() const;
  // The first byte of the 0-based `line`.
  int LineStart(int line) const;
  void ScrollLines(int delta);

  // A fresh empty document owned by the caller, who releases it.
  DocumentHandle CreateDocument();
  DocumentHandle CurrentDocument() const;

  // Scintilla style of one byte; colouring sets these.
  int StyleAt(int position) const;
  std::string StylesInRange(int start, int end) const;

  TextEncoding Encoding() const;

 protected:
  long Send(unsigned int message, uintptr_t w = 0, intptr_t l = 0) const;
  long SendText(unsigned int message, uintptr_t w, const char* text) const;
  void* SendPointer(unsigned int message, uintptr_t w = 0,
                    intptr_t l = 0) const;
  // Gives the bytes from `start` on these styles.
  void SendStyles(int start, std::string_view styles);
};

}  // namespace quillory
