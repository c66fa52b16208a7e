#include "editor/js_lexer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "editor/script_styles.h"
#include "editor/script_text.h"

namespace quillory {
namespace {

using Mode = JsState::Mode;

constexpr std::string_view kKeywords[] = {
    "async",     "await",    "break",    "case",    "catch",      "class",
    "const",     "continue", "debugger", "default", "delete",     "do",
    "else",      "export",   "extends",  "false",   "finally",    "for",
    "function",  "if",       "import",   "in",      "instanceof", "let",
    "new",       "null",     "of",       "return",  "static",     "super",
    "switch",    "this",     "throw",    "true",    "try",        "typeof",
    "undefined", "var",      "void",     "while",   "with",       "yield"};

// Words after which a "/" opens a regular expression, as after an operator.
constexpr std::string_view kBeforeExpression[] = {
    "await", "case", "delete", "do",    "else",   "in",   "instanceof",
    "new",   "of",   "return", "throw", "typeof", "void", "yield"};

static_assert(std::is_sorted(std::begin(kBeforeExpression),
                             std::end(kBeforeExpression)));

bool Contains(std::span<const std::string_view> words, std::string_view word) {
  return std::binary_search(words.begin(), words.end(), word);
}

// NOTE: every name of a script is looked up, so the keywords sit in a
// table where each has a slot of its own, found from its length and three
// of its bytes; a name is a keyword when the word in its slot equals it.
// The factors were chosen so that no two keywords share a slot, which the
// static_assert below checks whenever the list changes.
constexpr size_t kKeywordSlots = 128;

constexpr size_t SlotOf(std::string_view word) {
  const auto byte = [&](size_t at) {
    return static_cast<size_t>(static_cast<unsigned char>(word[at]));
  };
  return (byte(0) + byte(1) + 30 * byte(word.size() - 1) + word.size()) %
         kKeywordSlots;
}

constexpr std::array<std::string_view, kKeywordSlots> kKeywordTable = [] {
  std::array<std::string_view, kKeywordSlots> table{};
  for (std::string_view word : kKeywords) table[SlotOf(word)] = word;
  return table;
}();

constexpr bool EachKeywordHasASlotOfItsOwn() {
  size_t filled = 0;
  for (const std::string_view& word : kKeywordTable) {
    if (!word.empty()) ++filled;
  }
  return filled == std::size(kKeywords);
}

static_assert(EachKeywordHasASlotOfItsOwn());

class JsLexer {
 public:
  JsLexer(std::string_view line, JsState state, uint8_t* styles)
      : line_(line), state_(state), styles_(styles) {
    braces_[state_.nesting] = state_.braces;
  }

  JsState Run() {
    Resume();
    while (at_ < line_.size()) {
      if (state_.mode == Mode::kTemplate) {
        TemplateText();
      } else {
        Step();
      }
    }
    state_.braces = state_.nesting == 0
                        ? 0
                        : static_cast<uint8_t>(std::min<int>(
                              braces_[state_.nesting], JsState::kMaxBraces));
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

  void Resume() {
    if (state_.mode == Mode::kComment) BlockComment(0);
    if (state_.mode == Mode::kSingleQuoted) QuotedString(0, '\'');
    if (state_.mode == Mode::kDoubleQuoted) QuotedString(0, '"');
  }

  void Step() {
    const char c = line_[at_];
    if (IsBlank(c)) return PaintOne(ScriptKind::kPlain);
    if (c == '/') return Slash();
    if (c == '"' || c == '\'') return QuotedString(at_ + 1, c);
    if (c == '`') {
      PaintOne(ScriptKind::kTemplate);
      state_.mode = Mode::kTemplate;
      return;
    }
    if (StartsNumber(line_, at_)) return Number();
    if (IsNameByte(c)) return Name();
    Punctuation(c);
  }

  void Slash() {
    const char next = At(at_ + 1);
    if (next == '/') {
      Paint(at_, line_.size(), ScriptKind::kComment);
      at_ = line_.size();
    } else if (next == '*') {
      BlockComment(at_ + 2);
    } else if (state_.mode == Mode::kCode) {
      RegularExpression();
    } else {
      PaintOne(ScriptKind::kPlain);
      state_.mode = Mode::kCode;
    }
  }

  // A comment opened before `from`. The mode before it still decides
  // what a "/" after it means.
  void BlockComment(size_t from) {
    const size_t close = line_.find("*/", from);
    const size_t end =
        close == std::string_view::npos ? line_.size() : close + 2;
    if (close == std::string_view::npos) {
      state_.mode = Mode::kComment;
    } else if (state_.mode == Mode::kComment) {
      state_.mode = Mode::kCode;
    }
    Paint(at_, end, ScriptKind::kComment);
    at_ = end;
  }

  void QuotedString(size_t from, char quote) {
    const QuotedEnd end = FindQuoteEnd(line_, from, quote);
    state_.mode = !end.continues  ? Mode::kAfterValue
                  : quote == '\'' ? Mode::kSingleQuoted
                                  : Mode::kDoubleQuoted;
    Paint(at_, end.end, ScriptKind::kString);
    at_ = end.end;
  }

  // A literal never runs past its line: unclosed, it ends there.
  void RegularExpression() {
    bool in_class = false;
    size_t at = at_ + 1;
    for (; at < line_.size(); ++at) {
      const char c = line_[at];
      if (c == '\\') {
        ++at;
      } else if (c == '[') {
        in_class = true;
      } else if (c == ']') {
        in_class = false;
      } else if (c == '/' && !in_class) {
        break;
      }
    }
    const size_t end = std::min(at + 1, line_.size());
    const size_t flags_end = SpanEnd<IsNameByte>(line_, end);
    Paint(at_, flags_end, ScriptKind::kRegex);
    at_ = flags_end;
    state_.mode = Mode::kAfterValue;
  }

  // Hexadecimal, binary and octal digits, separators and a BigInt's "n"
  // all read as name bytes after the first digits.
  void Number() {
    const size_t end = SpanEnd<IsNameByte>(line_, NumberEnd(line_, at_));
    Paint(at_, end, ScriptKind::kNumber);
    at_ = end;
    state_.mode = Mode::kAfterValue;
  }

  void Name() {
    const size_t end = SpanEnd<IsNameByte>(line_, at_);
    const std::string_view word = line_.substr(at_, end - at_);
    const bool keyword = IsJsKeyword(word);
    Paint(at_, end, keyword ? ScriptKind::kKeyword : ScriptKind::kPlain);
    at_ = end;
    state_.mode = keyword && Contains(kBeforeExpression, word)
                      ? Mode::kCode
                      : Mode::kAfterValue;
  }

  void Punctuation(char c) {
    if (c == '}' && state_.nesting > 0 && braces_[state_.nesting] == 0) {
      --state_.nesting;
      PaintOne(ScriptKind::kTemplate);
      state_.mode = Mode::kTemplate;
      return;
    }
    if (c == '{') ++braces_[state_.nesting];
    if (c == '}' && braces_[state_.nesting] > 0) --braces_[state_.nesting];
    PaintOne(ScriptKind::kPlain);
    state_.mode =
        c == ')' || c == ']' || c == '}' ? Mode::kAfterValue : Mode::kCode;
  }

  // Inside a template literal up to its closing "`" or a "${", whose
  // expression is script again.
  void TemplateText() {
    size_t at = at_;
    for (; at < line_.size(); ++at) {
      const char c = line_[at];
      if (c == '\\') {
        ++at;
      } else if (c == '`') {
        state_.mode = Mode::kAfterValue;
        break;
      } else if (c == '$' && At(at + 1) == '{' &&
                 state_.nesting < JsState::kMaxNesting) {
        ++state_.nesting;
        braces_[state_.nesting] = 0;
        state_.mode = Mode::kCode;
        ++at;
        break;
      }
    }
    const size_t end = std::min(at + 1, line_.size());
    Paint(at_, end, ScriptKind::kTemplate);
    at_ = end;
  }

  std::string_view line_;
  JsState state_;
  uint8_t* styles_;
  size_t at_ = 0;
  std::array<int, JsState::kMaxNesting + 1> braces_{};
};

}  // namespace

bool IsJsKeyword(std::string_view word) {
  return word.size() >= 2 && word.size() <= 10 &&
         kKeywordTable[SlotOf(word)] == word;
}

JsState LexJs(std::string_view line, JsState state, uint8_t* styles) {
  return JsLexer(line, state, styles).Run();
}

}  // namespace quillory
