#include "editor/script_lines.h"

#include <algorithm>
#include <cstring>

#include "base/text_util.h"
#include "editor/css_lexer.h"
#include "editor/js_lexer.h"
#include "editor/script_styles.h"
#include "editor/script_text.h"

namespace quillory {
namespace {

constexpr int kJsModes = static_cast<int>(JsState::Mode::kTemplate) + 1;
// A script's states: its mode alone outside substitutions; inside one, the
// mode for each depth and count of braces open in the innermost.
constexpr int kJsStates =
    kJsModes * (1 + JsState::kMaxNesting * (JsState::kMaxBraces + 1));

// A page's states: markup, inside a start tag, inside an element; the
// elements' contents add the lexers' own states. Each state from kInPhp on
// is the one kInPhp below it with a PHP block inside the element that goes
// on to the next line.
enum PageState : LineState {
  kMarkup = 0,
  kStyleTag = 1,
  kScriptTag = 2,
  kOtherScriptTag = 3,  // a script of another type: a template, data
  kOtherScript = 4,
  kFirstCss = 5,
  kFirstJs = kFirstCss + 32,
  kComment = kFirstJs + kJsStates,  // an HTML comment going on to the next line
  kInPhp = kComment + 1,
};

static_assert(2 * kInPhp <= kStateStyleCount);

LineState PackCss(CssState css) {
  return static_cast<LineState>(static_cast<int>(css.mode) * 8 + css.depth * 2 +
                                (css.in_value ? 1 : 0));
}

CssState UnpackCss(LineState state) {
  return {static_cast<CssState::Mode>((state >> 3) & 3),
          static_cast<uint8_t>((state >> 1) & 3), (state & 1) != 0};
}

LineState PackJs(JsState js) {
  const int mode = static_cast<int>(js.mode);
  if (js.nesting == 0) return static_cast<LineState>(mode);
  const int inner = (js.nesting - 1) * (JsState::kMaxBraces + 1) + js.braces;
  return static_cast<LineState>(kJsModes * (1 + inner) + mode);
}

// A state no script line ended in (another language's, say) starts afresh.
JsState UnpackJs(LineState state) {
  if (state >= kJsStates) return {};
  const auto mode = static_cast<JsState::Mode>(state % kJsModes);
  const int inner = state / kJsModes - 1;
  if (inner < 0) return {mode, 0, 0};
  return {mode, static_cast<uint8_t>(inner / (JsState::kMaxBraces + 1) + 1),
          static_cast<uint8_t>(inner % (JsState::kMaxBraces + 1))};
}

LineState ElementOf(LineState state) {
  return state >= kInPhp ? static_cast<LineState>(state - kInPhp) : state;
}

bool IsScriptType(std::string_view type) {
  type = TrimBlanks(type);
  const auto ends_with = [&](std::string_view end) {
    return type.size() >= end.size() &&
           EqualsIgnoringCase(type.substr(type.size() - end.size()), end);
  };
  return type.empty() || EqualsIgnoringCase(type, "module") ||
         ends_with("javascript") || ends_with("ecmascript") ||
         ends_with("jscript") || ends_with("json");
}

bool IsTagEnd(char c) { return !IsCssNameByte(c); }

// Whether `name` follows the "<" (and "/", for an end tag) at `at`.
bool TagNamedAt(std::string_view line, size_t at, std::string_view name) {
  const std::string_view rest = line.substr(at);
  return rest.size() >= name.size() &&
         EqualsIgnoringCase(rest.substr(0, name.size()), name) &&
         (rest.size() == name.size() || IsTagEnd(rest[name.size()]));
}

// The "<" of the first "</name" at or after `from`, or the line's size.
size_t FindEndTag(std::string_view line, size_t from, std::string_view name) {
  for (size_t at = line.find("</", from); at != std::string_view::npos;
       at = line.find("</", at + 1)) {
    if (TagNamedAt(line, at + 2, name)) return at;
  }
  return line.size();
}

// Whether `rest` is too short to tell whether `name` and a tag end start it,
// while what it has agrees.
bool CutShortOf(std::string_view rest, std::string_view name) {
  return rest.size() <= name.size() &&
         EqualsIgnoringCase(rest, name.substr(0, rest.size()));
}

class PageLine {
 public:
  PageLine(std::string_view line, LineState state, uint8_t* styles)
      : line_(line), state_(state), styles_(styles) {}

  LineState Run() {
    std::memset(styles_, kUnstyled, line_.size());
    while (at_ < line_.size()) Step();
    return state_;
  }

 private:
  void Step() {
    const LineState element = ElementOf(state_);
    if (element == kMarkup) return Markup();
    if (element == kStyleTag || element == kScriptTag ||
        element == kOtherScriptTag) {
      return StartTag();
    }
    if (element == kOtherScript) {
      at_ = FindEndTag(line_, at_, "script");
      if (at_ < line_.size()) state_ = kMarkup;
      return;
    }
    if (element == kComment) return PastCommentEnd(at_);
    Contents(element);
  }

  // NOTE: browsers read no tag inside a comment, so a commented-out script
  // leaves the page after it markup.
  void Markup() {
    for (size_t at = line_.find('<', at_); at != std::string_view::npos;
         at = line_.find('<', at + 1)) {
      if (line_.substr(at, 4) == "<!--") return PastCommentEnd(at + 2);
      if (TagNamedAt(line_, at + 1, "style")) {
        return Enter(at + 6, kStyleTag);
      }
      if (TagNamedAt(line_, at + 1, "script")) {
        return Enter(at + 7, kScriptTag);
      }
    }
    at_ = line_.size();
  }

  // "<!-->" is a whole comment, as "<!---->" is.
  void PastCommentEnd(size_t from) {
    const size_t end = line_.find("-->", from);
    if (end == std::string_view::npos) return Enter(line_.size(), kComment);
    Enter(end + 3, kMarkup);
  }

  void Enter(size_t at, LineState state) {
    at_ = at;
    state_ = state;
  }

  // Attributes up to the ">"; a script's type decides its contents.
  void StartTag() {
    while (at_ < line_.size() && IsBlank(line_[at_])) ++at_;
    if (at_ == line_.size()) return;
    if (line_[at_] == '>') {
      ++at_;
      state_ = state_ == kStyleTag    ? kFirstCss
               : state_ == kScriptTag ? kFirstJs
                                      : kOtherScript;
      return;
    }
    size_t end = at_;
    while (end < line_.size() && !IsBlank(line_[end]) && line_[end] != '=' &&
           line_[end] != '>') {
      ++end;
    }
    const std::string_view name =
        line_.substr(at_, std::max(end, at_ + 1) - at_);
    at_ = std::max(end, at_ + 1);
    const std::string_view value = AttributeValue();
    if (state_ != kStyleTag && EqualsIgnoringCase(name, "type")) {
      state_ = IsScriptType(value) ? kScriptTag : kOtherScriptTag;
    }
  }

  std::string_view AttributeValue() {
    size_t at = at_;
    while (at < line_.size() && IsBlank(line_[at])) ++at;
    if (at == line_.size() || line_[at] != '=') return {};
    ++at;
    while (at < line_.size() && IsBlank(line_[at])) ++at;
    size_t from = at;
    size_t end = at;
    if (at < line_.size() && (line_[at] == '"' || line_[at] == '\'')) {
      from = at + 1;
      end = line_.find(line_[at], from);
      if (end == std::string_view::npos) end = line_.size();
      at_ = std::min(end + 1, line_.size());
    } else {
      while (end < line_.size() && !IsBlank(line_[end]) && line_[end] != '>') {
        ++end;
      }
      at_ = end;
    }
    return line_.substr(from, end - from);
  }

  // The element's text up to its end tag, lexed whole; PHP blocks in it
  // keep the markup colouring.
  void Contents(LineState element) {
    const bool css = element < kFirstJs;
    const size_t end = FindEndTag(line_, at_, css ? "style" : "script");
    const std::string_view text = line_.substr(at_, end - at_);
    const LineState lexed =
        css ? kFirstCss + PackCss(LexCss(text, UnpackCss(element - kFirstCss),
                                         styles_ + at_))
            : kFirstJs + PackJs(LexJs(text, UnpackJs(element - kFirstJs),
                                      styles_ + at_));
    const bool in_php = UnstylePhp(at_, end);
    at_ = end;
    state_ = end < line_.size() ? kMarkup : lexed + (in_php ? kInPhp : 0);
  }

  // Returns whether a block is still open at `end`.
  bool UnstylePhp(size_t from, size_t end) {
    bool open = state_ >= kInPhp;
    for (size_t at = from; at < end;) {
      const size_t mark = line_.find(open ? "?>" : "<?", at);
      if (!open) {
        if (mark >= end) break;
        at = mark;
        open = true;
        continue;
      }
      const size_t stop = mark >= end ? end : mark + 2;
      std::memset(styles_ + at, kUnstyled, stop - at);
      at = stop;
      open = mark >= end;
    }
    return open;
  }

  std::string_view line_;
  LineState state_;
  uint8_t* styles_;
  size_t at_ = 0;
};

}  // namespace

ScriptLanguage ScriptLanguageOf(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::kCss:
      return ScriptLanguage::kStyleSheet;
    case DocumentKind::kJavaScript:
      return ScriptLanguage::kScript;
    case DocumentKind::kHtml:
    case DocumentKind::kPhp:
      return ScriptLanguage::kPage;
    case DocumentKind::kOther:
      return ScriptLanguage::kNone;
  }
  return ScriptLanguage::kNone;
}

LineState StateOfLineEndStyle(uint8_t style) {
  return style < kFirstStateStyle
             ? 0
             : static_cast<LineState>(style - kFirstStateStyle);
}

uint8_t LineEndStyle(LineState state) {
  return static_cast<uint8_t>(kFirstStateStyle + state);
}

bool MayOpenElementOrComment(std::string_view rest) {
  using std::string_view_literals::operator""sv;
  if (rest[0] == '!') {
    return rest.starts_with("!--"sv) || CutShortOf(rest, "!--"sv);
  }
  for (const std::string_view name : {"style"sv, "script"sv}) {
    if (TagNamedAt(rest, 0, name) || CutShortOf(rest, name)) return true;
  }
  return false;
}

LineState LexLine(std::string_view line, LineState state,
                  ScriptLanguage language, uint8_t* styles) {
  switch (language) {
    case ScriptLanguage::kStyleSheet:
      return PackCss(LexCss(line, UnpackCss(state), styles));
    case ScriptLanguage::kScript:
      return PackJs(LexJs(line, UnpackJs(state), styles));
    case ScriptLanguage::kPage:
      return PageLine(line, state, styles).Run();
    case ScriptLanguage::kNone:
      break;
  }
  std::memset(styles, kUnstyled, line.size());
  return 0;
}

}  // namespace quillory
