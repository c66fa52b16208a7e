#include "insert/rich_html.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "base/text_encoding.h"

namespace quillory {
namespace {

constexpr int kPlainSize = 8;
constexpr char32_t kBlank = U' ';

int WholePoints(double size) { return static_cast<int>(std::lround(size)); }

// The converter's running state; the formats it holds are the ones the tags
// written so far put in force, which after a closing may lag the text's.
class Converter {
 public:
  explicit Converter(const RichFormat& first) {
    size_ = WholePoints(first.size);
    if (size_ != kPlainSize) OpenSize();
    colour_ = first.colour;
    if (colour_ != 0) OpenColour();
    bold_ = first.bold;
    italic_ = first.italic;
    underline_ = first.underline;
    strike_ = first.strike;
    if (bold_) Open("<b>", "</b>");
    if (italic_) Open("<i>", "</i>");
    if (underline_) Open("<u>", "</u>");
    if (strike_) Open("<s>", "</s>");
    align_ = first.align;
    if (align_ != RichAlign::kLeft) OpenDiv();
  }

  void Next(const RichChar& c, char32_t following) {
    const bool blank = c.code == kBlank;
    if (c.format.colour != colour_ && !blank) ChangeColour(c.format.colour);
    const int size = WholePoints(c.format.size);
    if (size != size_ && !blank) ChangeSize(size);
    if (c.format.align != align_) {
      if (align_ != RichAlign::kLeft) Close("</div>");
      align_ = c.format.align;
      if (align_ != RichAlign::kLeft) OpenDiv();
    }
    Toggle(bold_, c.format.bold, "<b>", "</b>");
    Toggle(italic_, c.format.italic, "<i>", "</i>");
    Toggle(underline_, c.format.underline, "<u>", "</u>");
    Toggle(strike_, c.format.strike, "<s>", "</s>");
    if (c.code == U'\r' && following == U'\n') out_ += "<br>";
    Append(c.code);
  }

  void Append(char32_t code) { AppendUtf8(code, out_); }

  // The text is inserted into a page, so whatever is still open is closed
  // here, the latest first, and the markup after it keeps its own formats.
  std::string Take() {
    for (auto closer = open_.rbegin(); closer != open_.rend(); ++closer) {
      out_ += *closer;
    }
    open_.clear();
    return std::move(out_);
  }

 private:
  void ChangeColour(uint32_t colour) {
    if (colour_ != 0) {
      CloseFonts();
      size_ = kPlainSize;
    }
    colour_ = colour;
    if (colour_ != 0) OpenColour();
  }

  void ChangeSize(int size) {
    if (size_ != kPlainSize) {
      CloseFonts();
      colour_ = 0;
    }
    size_ = size;
    if (size_ != kPlainSize) OpenSize();
  }

  void CloseFonts() {
    while (Close("</font>")) {
    }
  }

  void OpenSize() {
    Open("<font style='font-size:" + std::to_string(size_) + "'>", "</font>");
  }

  // The colour is kept as the window system gives it, red in the low byte.
  void OpenColour() {
    char digits[7];
    std::snprintf(digits, sizeof digits, "%02X%02X%02X", colour_ & 0xFF,
                  (colour_ >> 8) & 0xFF, (colour_ >> 16) & 0xFF);
    Open(std::string("<font style='color:#") + digits + "'>", "</font>");
  }

  void OpenDiv() {
    Open(align_ == RichAlign::kCentre ? "<div style='text-align:center'>"
                                      : "<div style='text-align:right'>",
         "</div>");
  }

  void Toggle(bool& on, bool now, const char* open, const char* close) {
    if (now == on) return;
    if (on) Close(close);
    on = now;
    if (on) Open(open, close);
  }

  void Open(const std::string& tag, const char* closer) {
    out_ += tag;
    open_.push_back(closer);
  }

  // Writes `closer` for the latest tag it closes; false when none is open.
  bool Close(std::string_view closer) {
    const auto open = std::find(open_.rbegin(), open_.rend(), closer);
    if (open == open_.rend()) return false;
    out_ += closer;
    open_.erase(std::next(open).base());
    return true;
  }

  std::string out_;
  std::vector<std::string_view> open_;  // closing tags, in opening order
  uint32_t colour_ = 0;
  int size_ = kPlainSize;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
  bool strike_ = false;
  RichAlign align_ = RichAlign::kLeft;
};

}  // namespace

std::string RichTextToHtml(const RichText& text) {
  const std::vector<RichChar>& chars = text.chars;
  Converter converter(chars.empty() ? text.caret : chars.front().format);
  if (chars.empty()) return converter.Take();
  converter.Append(chars.front().code);
  for (size_t i = 1; i < chars.size(); ++i) {
    converter.Next(chars[i], i + 1 < chars.size() ? chars[i + 1].code : 0);
  }
  return converter.Take();
}

}  // namespace quillory
