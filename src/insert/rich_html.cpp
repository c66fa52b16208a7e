#include "insert/rich_html.h"

#include <cmath>
#include <cstdio>

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
    if (bold_) out_ += "<b>";
    if (italic_) out_ += "<i>";
    if (underline_) out_ += "<u>";
    if (strike_) out_ += "<s>";
    align_ = first.align;
    if (align_ != RichAlign::kLeft) OpenDiv();
  }

  void Next(const RichChar& c, char32_t following) {
    const bool blank = c.code == kBlank;
    if (c.format.colour != colour_ && !blank) ChangeColour(c.format.colour);
    const int size = WholePoints(c.format.size);
    if (size != size_ && !blank) ChangeSize(size);
    if (c.format.align != align_) {
      if (align_ != RichAlign::kLeft) out_ += "</div>";
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
  std::string Take() { return std::move(out_); }

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
    for (; open_fonts_ > 0; --open_fonts_) out_ += "</font>";
  }

  void OpenSize() {
    out_ += "<font style='font-size:" + std::to_string(size_) + "'>";
    ++open_fonts_;
  }

  // The colour is kept as the window system gives it, red in the low byte.
  void OpenColour() {
    char digits[7];
    std::snprintf(digits, sizeof digits, "%02X%02X%02X", colour_ & 0xFF,
                  (colour_ >> 8) & 0xFF, (colour_ >> 16) & 0xFF);
    out_ += "<font style='color:#";
    out_ += digits;
    out_ += "'>";
    ++open_fonts_;
  }

  void OpenDiv() {
    out_ += align_ == RichAlign::kCentre ? "<div style='text-align:center'>"
                                         : "<div style='text-align:right'>";
  }

  void Toggle(bool& on, bool now, const char* open, const char* close) {
    if (now == on) return;
    if (on) out_ += close;
    on = now;
    if (on) out_ += open;
  }

  std::string out_;
  int open_fonts_ = 0;
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
