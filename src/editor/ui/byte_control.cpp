#include "editor/ui/byte_control.h"

#include <algorithm>

#include "editor/style_stretches.h"

namespace quillory {
namespace {

// Stretches of one style at least this long go as one message; below about
// this length the message costs more than the bytes it saves.
constexpr size_t kLongStretch = 48;

// The layout SCI_GETSTYLEDTEXT expects.
struct StyledRange {
  long first;
  long end;
  char* cells;
};

}  // namespace

ByteControl::ByteControl(QWidget* parent) : QsciScintillaBase(parent) {}

long ByteControl::Send(unsigned int message, uintptr_t w, intptr_t l) const {
  return SendScintilla(message, static_cast<unsigned long>(w),
                       static_cast<long>(l));
}

long ByteControl::SendText(unsigned int message, uintptr_t w,
                           const char* text) const {
  return Send(message, w, reinterpret_cast<intptr_t>(text));
}

void* ByteControl::SendPointer(unsigned int message, uintptr_t w,
                               intptr_t l) const {
  return reinterpret_cast<void*>(Send(message, w, l));
}

std::string ByteControl::Bytes() const { return BytesInRange(0, Length()); }

std::string ByteControl::BytesInRange(int start, int end) const {
  return std::string(PeekRange(start, end));
}

std::string_view ByteControl::PeekRange(int start, int end) const {
  // Callers may still hold places of a text that has shrunk since; past its
  // end there is nothing to read.
  const int length = Length();
  start = std::clamp(start, 0, length);
  end = std::clamp(end, start, length);
  if (end == start) return {};
  const auto* bytes = static_cast<const char*>(
      SendPointer(SCI_GETRANGEPOINTER, start, end - start));
  return {bytes, static_cast<size_t>(end - start)};
}

std::string_view ByteControl::PeekFrom(int start) const {
  const int gap = static_cast<int>(Send(SCI_GETGAPPOSITION));
  return PeekRange(start, start < gap ? gap : Length());
}

std::string ByteControl::SelectedBytes() const {
  return BytesInRange(SelectionStart(), SelectionEnd());
}

int ByteControl::Length() const {
  return static_cast<int>(Send(SCI_GETLENGTH));
}

int ByteControl::Caret() const {
  return static_cast<int>(Send(SCI_GETCURRENTPOS));
}

int ByteControl::SelectionStart() const {
  return static_cast<int>(Send(SCI_GETSELECTIONSTART));
}

int ByteControl::SelectionEnd() const {
  return static_cast<int>(Send(SCI_GETSELECTIONEND));
}

// NOTE: SCI_SETSEL first resets the selection to the text's start and so
// repaints everything from there to the caret; placing the caret alone
// repaints only what changed. Both bring the caret into view.
void ByteControl::Select(int anchor, int caret) {
  if (anchor != caret) {
    Send(SCI_SETSEL, anchor, caret);
    return;
  }
  Send(SCI_SETEMPTYSELECTION, caret);
  Send(SCI_SCROLLCARET);
}

int ByteControl::CaretLineStart() const {
  return static_cast<int>(
      Send(SCI_POSITIONFROMLINE, Send(SCI_LINEFROMPOSITION, Caret())));
}

int ByteControl::CaretLineEnd() const {
  return static_cast<int>(
      Send(SCI_GETLINEENDPOSITION, Send(SCI_LINEFROMPOSITION, Caret())));
}

int ByteControl::CaretLine() const {
  return static_cast<int>(Send(SCI_LINEFROMPOSITION, Caret()));
}

void ByteControl::PutCaretOnLine(int line) { Send(SCI_GOTOLINE, line); }

int ByteControl::FirstVisibleLine() const {
  return static_cast<int>(Send(SCI_GETFIRSTVISIBLELINE));
}

int ByteControl::LineCount() const {
  return static_cast<int>(Send(SCI_GETLINECOUNT));
}

int ByteControl::LineStart(int line) const {
  return static_cast<int>(Send(SCI_POSITIONFROMLINE, line));
}

void ByteControl::ScrollLines(int delta) { Send(SCI_LINESCROLL, 0, delta); }

ByteControl::DocumentHandle ByteControl::CreateDocument() {
  return SendPointer(SCI_CREATEDOCUMENT, 0, SC_DOCUMENTOPTION_DEFAULT);
}

ByteControl::DocumentHandle ByteControl::CurrentDocument() const {
  return SendPointer(SCI_GETDOCPOINTER);
}

int ByteControl::StyleAt(int position) const {
  return static_cast<int>(Send(SCI_GETSTYLEAT, position));
}

std::string ByteControl::StylesInRange(int start, int end) const {
  if (end <= start) return {};
  // Each cell comes as its byte followed by its style, plus two closing NULs.
  std::string cells(2 * static_cast<size_t>(end - start) + 2, '\0');
  StyledRange range{start, end, cells.data()};
  Send(SCI_GETSTYLEDTEXT, 0, reinterpret_cast<intptr_t>(&range));
  std::string styles(static_cast<size_t>(end - start), '\0');
  for (size_t i = 0; i < styles.size(); ++i) styles[i] = cells[2 * i + 1];
  return styles;
}

// NOTE: Scintilla writes the bytes of SCI_SETSTYLINGEX with two calls each,
// while SCI_SETSTYLING fills a stretch of one style in a tight loop for the
// price of one message; long stretches go the second way, the short ones
// between them in one SCI_SETSTYLINGEX.
void ByteControl::SendStyles(int start, std::string_view styles) {
  Send(SCI_STARTSTYLING, start, 0);
  size_t unsent = 0;
  for (size_t at = 0; at < styles.size();) {
    // A script's styles change every few bytes, often after one.
    const size_t end = at + 1 < styles.size() && styles[at + 1] != styles[at]
                           ? at + 1
                           : StretchEnd(styles, at);
    if (end - at >= kLongStretch) {
      if (unsent < at) {
        SendText(SCI_SETSTYLINGEX, at - unsent, styles.data() + unsent);
      }
      Send(SCI_SETSTYLING, end - at, static_cast<unsigned char>(styles[at]));
      unsent = end;
    }
    at = end;
  }
  if (unsent < styles.size()) {
    SendText(SCI_SETSTYLINGEX, styles.size() - unsent, styles.data() + unsent);
  }
}

TextEncoding ByteControl::Encoding() const {
  return Send(SCI_GETCODEPAGE) == SC_CP_UTF8 ? TextEncoding::kUtf8
                                             : TextEncoding::kWindows1252;
}

}  // namespace quillory
