#include "editor/script_colouring.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "editor/script_styles.h"
#include "editor/style_stretches.h"

namespace quillory {
namespace {

constexpr int64_t kFirstRead = int64_t{1} << 16;
constexpr size_t kLongestWrite = size_t{1} << 20;
constexpr int64_t kMarkupRead = int64_t{1} << 20;

// Whether the byte at `at` of `bytes`, followed by `next` (0 past the text),
// is the last byte of a line end: an LF, or a CR without an LF after it.
bool EndsLine(char byte, char next) {
  return byte == '\n' || (byte == '\r' && next != '\n');
}

// The first position of the line holding 1-based `position`.
int64_t LineStartOf(TextSource& source, int64_t position) {
  const int64_t length = source.Length();
  for (int64_t span = kFirstRead;; span *= 2) {
    const int64_t from = std::max<int64_t>(1, position - span);
    const std::string_view bytes =
        source.Bytes({from, std::min(position, length)});
    for (int64_t at = position - 1; at >= from; --at) {
      const size_t index = static_cast<size_t>(at - from);
      const char next = index + 1 < bytes.size() ? bytes[index + 1] : '\0';
      if (EndsLine(bytes[index], next)) return at + 1;
    }
    if (from == 1) return 1;
  }
}

// The start of the first line of first..last that may hold a style or
// script start tag or open a comment: the position after the last LF
// before the first "<" that may, or `first`.
int64_t PastPlainMarkup(TextSource& source, int64_t first, int64_t last) {
  while (first <= last) {
    const std::string_view bytes =
        source.Bytes({first, std::min(last, first + kMarkupRead - 1)});
    size_t tag = bytes.size();
    for (size_t at = bytes.find('<'); at != std::string_view::npos;
         at = bytes.find('<', at + 1)) {
      if (MayLeaveMarkup(bytes, at)) {
        tag = at;
        break;
      }
    }
    const size_t lf = bytes.substr(0, tag).rfind('\n');
    if (lf == std::string_view::npos) return first;
    first += static_cast<int64_t>(lf) + 1;
    if (tag < bytes.size()) return first;
  }
  return first;
}

// The state a line end's style says it ended in; none when it was never
// given one, which only a page's markup need not be.
std::optional<LineState> HeldState(uint8_t style, ScriptLanguage language) {
  if (style < kFirstStateStyle && language != ScriptLanguage::kPage) {
    return std::nullopt;
  }
  return StateOfLineEndStyle(style);
}

}  // namespace

struct ScriptColourer::Line {
  int64_t first = 0;
  std::string_view content;  // valid until the text is read again
  int end_length = 0;        // 0 for the text's last line, else 1 or 2
  int64_t next() const {
    return first + static_cast<int64_t>(content.size()) + end_length;
  }
  int64_t end_byte() const { return end_length == 0 ? 0 : next() - 1; }
};

// The line starting at `first`, read in pieces that double until it fits.
ScriptColourer::Line ScriptColourer::ReadLine(TextSource& source,
                                              int64_t first) {
  const int64_t length = source.Length();
  for (int64_t span = kFirstRead;; span *= 2) {
    const int64_t last = std::min(length, first + span - 1);
    const std::string_view bytes = source.Bytes({first, last});
    const bool text_end = last == length;
    const char* data = bytes.data();
    const auto* lf =
        static_cast<const char*>(std::memchr(data, '\n', bytes.size()));
    const size_t limit = lf == nullptr ? bytes.size() : lf - data;
    const auto* cr = static_cast<const char*>(std::memchr(data, '\r', limit));
    if (cr != nullptr) {
      const size_t at = cr - data;
      if (at + 1 < bytes.size()) {
        return {first, bytes.substr(0, at), at + 1 == limit && lf ? 2 : 1};
      }
      if (text_end) return {first, bytes.substr(0, at), 1};
    } else if (lf != nullptr) {
      return {first, bytes.substr(0, limit), 1};
    } else if (text_end) {
      return {first, bytes, 0};
    }
  }
}

void ScriptColourer::Prepare(TextSource& source, StyleStore& store,
                             TextRange range) {
  range_ = range;
  prepared_end_ = 0;
  if (range.empty()) return;
  prepared_end_ = ReadLine(source, LineStartOf(source, range.last)).end_byte();
  if (prepared_end_ != 0) prepared_style_ = store.StyleAt(prepared_end_);
}

void ScriptColourer::Colour(TextSource& source, StyleStore& store,
                            ScriptLanguage language,
                            const MarkupColouring& colour_markup) {
  if (language == ScriptLanguage::kNone || range_.empty()) return;
  store_ = &store;
  // An edit at a line's start may join or part the CR LF before it.
  int64_t first = LineStartOf(source, std::max<int64_t>(1, range_.first - 1));
  LineState state =
      first > 1 ? StateOfLineEndStyle(store.StyleAt(first - 1)) : LineState{0};
  // The line end before the line, which colouring that line's markup
  // resets as typing would.
  int64_t previous_end = 0;
  uint8_t previous_end_styles[2] = {kUnstyled, kUnstyled};
  size_t previous_end_length = 0;
  while (first <= source.Length()) {
    // NOTE: a page's lines of markup inside the range keep what the
    // colouring pass just gave them and end in the markup state, so the
    // lines before the next possible start tag change nothing.
    if (language == ScriptLanguage::kPage && state == 0 &&
        first >= range_.first) {
      if (const int64_t past = PastPlainMarkup(source, first, range_.last);
          past > first) {
        const bool cr_lf =
            past > 2 && source.Bytes({past - 2, past - 2})[0] == '\r';
        previous_end_length = cr_lf ? 2 : 1;
        previous_end = past - static_cast<int64_t>(previous_end_length);
        std::fill(std::begin(previous_end_styles),
                  std::end(previous_end_styles), kUnstyled);
        first = past;
        continue;
      }
    }
    const Line line = ReadLine(source, first);
    const int64_t end_byte = line.end_byte();
    // Line ends inside the range were just typed or reset: what they held
    // says nothing about the state they ended in.
    const bool outside = end_byte > range_.last;
    const uint8_t old_end = !outside ? uint8_t{0}
                            : end_byte == prepared_end_
                                ? prepared_style_
                                : store.StyleAt(end_byte);
    line_styles_.resize(line.content.size() + line.end_length);
    const LineState next =
        LexLine(line.content, state, language, line_styles_.data());
    const bool markup_to_colour =
        language == ScriptLanguage::kPage &&
        (line.first > range_.last ? std::memchr(line_styles_.data(), kUnstyled,
                                                line.content.size()) != nullptr
                                  : StaleOutsideRange(line));
    EndStyles(line, language, next, old_end);
    if (markup_to_colour) {
      Flush();
      const int64_t content_last =
          line.first + static_cast<int64_t>(line.content.size()) - 1;
      colour_markup({previous_end != 0 ? previous_end : line.first,
                     content_last + (line.end_length == 2 ? 1 : 0)});
      Keep(previous_end, previous_end_styles, previous_end_length);
    }
    Keep(line.first, line_styles_.data(), line_styles_.size());
    if (end_byte == 0 || (outside && HeldState(old_end, language) == next)) {
      break;
    }
    previous_end_length = static_cast<size_t>(line.end_length);
    previous_end = line.next() - line.end_length;
    std::copy(line_styles_.end() - line.end_length, line_styles_.end(),
              previous_end_styles);
    state = next;
    first = line.next();
  }
  Flush();
}

// Both bytes of a CR LF hold the state, so that it survives an edit that
// removes the LF. A page's markup keeps the colouring pass's style on
// them, unless an older state needs wiping.
void ScriptColourer::EndStyles(const Line& line, ScriptLanguage language,
                               LineState next, uint8_t old_end_style) {
  const uint8_t style = language != ScriptLanguage::kPage || next != 0
                            ? LineEndStyle(next)
                        : old_end_style >= kFirstStateStyle ? uint8_t{0}
                                                            : kUnstyled;
  std::memset(line_styles_.data() + line.content.size(), style,
              line.end_length);
}

// Whether markup of the line outside the range still shows a script's
// styles. An edit can end an element before the range (by completing an
// end tag there) or after it, on the range's first and last lines.
bool ScriptColourer::StaleOutsideRange(const Line& line) const {
  const int64_t content_last =
      line.first + static_cast<int64_t>(line.content.size()) - 1;
  const TextRange outside[] = {
      {line.first, std::min(content_last, range_.first - 1)},
      {std::max(line.first, range_.last + 1), content_last}};
  for (const TextRange& part : outside) {
    for (int64_t at = part.first; at <= part.last; ++at) {
      if (line_styles_[at - line.first] == kUnstyled &&
          store_->StyleAt(at) >= kFirstScriptStyle) {
        return true;
      }
    }
  }
  return false;
}

void ScriptColourer::Keep(int64_t first, const uint8_t* styles, size_t count) {
  const std::string_view bytes(reinterpret_cast<const char*>(styles), count);
  for (size_t at = 0; at < count;) {
    if (styles[at] == kUnstyled) at = StretchEnd(bytes, at);
    if (at == count) return;
    const auto* gap = static_cast<const uint8_t*>(
        std::memchr(styles + at, kUnstyled, count - at));
    const size_t end = gap == nullptr ? count : gap - styles;
    const int64_t position = first + static_cast<int64_t>(at);
    if (pending_first_ + static_cast<int64_t>(pending_.size()) != position) {
      Flush();
      pending_first_ = position;
    }
    pending_.insert(pending_.end(), styles + at, styles + end);
    if (pending_.size() >= kLongestWrite) Flush();
    at = end;
  }
}

void ScriptColourer::Flush() {
  if (!pending_.empty()) store_->SetStyles(pending_first_, pending_);
  pending_first_ += static_cast<int64_t>(pending_.size());
  pending_.clear();
}

// NOTE: assigning {} to a vector keeps its memory; a fresh one does not.
void ScriptColourer::FreeMemory() {
  line_styles_ = std::vector<uint8_t>();
  pending_ = std::vector<uint8_t>();
}

}  // namespace quillory
