#include "editor/css_lexer.h"

#include <cstring>

#include "base/text_util.h"
#include "editor/script_styles.h"
#include "editor/script_text.h"

namespace quillory {
namespace {

using Mode = CssState::Mode;

enum class Statement : uint8_t { kUnknown, kSelector, kDeclaration };

class CssLexer {
 public:
  CssLexer(std::string_view line, CssState state, uint8_t* styles)
      : line_(line), state_(state), styles_(styles) {
    if (state.in_value) statement_ = Statement::kDeclaration;
  }

  CssState Run() {
    if (state_.mode == Mode::kComment) Comment(0);
    if (state_.mode == Mode::kSingleQuoted) QuotedString(0, '\'');
    if (state_.mode == Mode::kDoubleQuoted) QuotedString(0, '"');
    while (at_ < line_.size()) Step();
    return state_;
  }

 private:
  void Paint(size_t from, size_t to, ScriptKind kind) {
    std::memset(styles_ + from, ScriptStyle(kind), to - from);
  }

  void PaintOne(ScriptKind kind) {
    styles_[at_] = ScriptStyle(kind);
    ++at_;
  }

  char At(size_t at) const { return at < line_.size() ? line_[at] : '\0'; }

  void Step() {
    const char c = line_[at_];
    if (c == '/' && At(at_ + 1) == '*') return Comment(at_ + 2);
    if (c == '"' || c == '\'') return QuotedString(at_ + 1, c);
    if (c == '{' || c == '}' || c == ';') return EndStatement(c);
    if (IsBlank(c)) return PaintOne(ScriptKind::kPlain);
    if (c == '@') return AtRule();
    if (statement_ == Statement::kUnknown) statement_ = Classify();
    if (statement_ == Statement::kSelector) {
      return PaintOne(ScriptKind::kSelector);
    }
    if (!state_.in_value) return PropertyName();
    Value();
  }

  // A comment opened before `from`; the state says whether it closes.
  void Comment(size_t from) {
    const size_t close = line_.find("*/", from);
    const size_t end =
        close == std::string_view::npos ? line_.size() : close + 2;
    state_.mode =
        close == std::string_view::npos ? Mode::kComment : Mode::kCode;
    Paint(at_, end, ScriptKind::kComment);
    at_ = end;
  }

  // A string whose opening quote lies before `from`. It ends at its quote
  // or at the line end, unless a backslash carries it over.
  void QuotedString(size_t from, char quote) {
    const QuotedEnd end = FindQuoteEnd(line_, from, quote);
    state_.mode = !end.continues  ? Mode::kCode
                  : quote == '\'' ? Mode::kSingleQuoted
                                  : Mode::kDoubleQuoted;
    Paint(at_, end.end, ScriptKind::kString);
    at_ = end.end;
  }

  void EndStatement(char c) {
    if (c == '{' && state_.depth < CssState::kMaxDepth) ++state_.depth;
    if (c == '}' && state_.depth > 0) --state_.depth;
    state_.in_value = false;
    statement_ = Statement::kUnknown;
    PaintOne(ScriptKind::kPlain);
  }

  // NOTE: the rest of an at-rule's prelude colours as a value, so its
  // numbers and strings show; its block starts a new statement.
  void AtRule() {
    const size_t end = SpanEnd<IsCssNameByte>(line_, at_ + 1);
    Paint(at_, end, ScriptKind::kAtRule);
    at_ = end;
    statement_ = Statement::kDeclaration;
    state_.in_value = true;
  }

  // Outside any block everything is a selector; inside one, a statement
  // that reaches "{" before ";" or "}" on its line is a nested rule's.
  Statement Classify() const {
    if (state_.depth == 0) return Statement::kSelector;
    const size_t stop = line_.find_first_of("{;}", at_);
    return stop != std::string_view::npos && line_[stop] == '{'
               ? Statement::kSelector
               : Statement::kDeclaration;
  }

  void PropertyName() {
    if (line_[at_] == ':') {
      state_.in_value = true;
      return PaintOne(ScriptKind::kPlain);
    }
    const size_t end = IsCssNameByte(line_[at_])
                           ? SpanEnd<IsCssNameByte>(line_, at_)
                           : at_ + 1;
    Paint(at_, end, ScriptKind::kProperty);
    at_ = end;
  }

  void Value() {
    const char c = line_[at_];
    size_t end = at_ + 1;
    ScriptKind kind = ScriptKind::kPlain;
    if (c == '#') {
      end = SpanEnd<IsCssNameByte>(line_, at_ + 1);
      if (IsHexColour(line_.substr(at_ + 1, end - at_ - 1))) {
        kind = ScriptKind::kColour;
      }
    } else if (StartsNumber(line_, at_) ||
               ((c == '-' || c == '+') && at_ + 1 < line_.size() &&
                StartsNumber(line_, at_ + 1))) {
      end = SpanEnd<IsCssNameByte>(line_, NumberEnd(line_, at_ + 1));
      if (At(end) == '%') ++end;
      kind = ScriptKind::kNumber;
    } else if (c == '!') {
      end = ImportantEnd();
      if (end > at_ + 1) kind = ScriptKind::kImportant;
    } else if (IsCssNameByte(c)) {
      end = SpanEnd<IsCssNameByte>(line_, at_);
    }
    Paint(at_, end, kind);
    at_ = end;
  }

  // The end of "!important" (blanks allowed after the "!", letters in any
  // case) at at_, or at_ + 1 when it is some other "!".
  size_t ImportantEnd() const {
    size_t at = at_ + 1;
    while (IsBlank(At(at))) ++at;
    const size_t end = SpanEnd<IsCssNameByte>(line_, at);
    return EqualsIgnoringCase(line_.substr(at, end - at), "important")
               ? end
               : at_ + 1;
  }

  static bool IsHexColour(std::string_view digits) {
    const size_t n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8) return false;
    for (char c : digits) {
      if (!IsHexDigit(c)) return false;
    }
    return true;
  }

  std::string_view line_;
  CssState state_;
  uint8_t* styles_;
  size_t at_ = 0;
  Statement statement_ = Statement::kUnknown;
};

}  // namespace

CssState LexCss(std::string_view line, CssState state, uint8_t* styles) {
  return CssLexer(line, state, styles).Run();
}

}  // namespace quillory
