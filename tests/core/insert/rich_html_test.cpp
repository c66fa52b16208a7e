#include "insert/rich_html.h"

#include <gtest/gtest.h>

#include <string>

namespace quillory {
namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

struct Span {
  std::u32string text;
  RichFormat format;
};

RichFormat Bold() { return {.bold = true}; }
RichFormat Coloured(uint32_t colour, double size = 8) {
  return {.colour = colour, .size = size};
}

RichText Text(std::initializer_list<Span> spans) {
  RichText text;
  for (const Span& span : spans) {
    for (char32_t c : span.text) text.chars.push_back({c, span.format});
  }
  return text;
}

TEST(RichHtmlTest, WritesTagsWhereFormatsChange) {
  const RichFormat all{.colour = 0x336699,
                       .size = 12,
                       .bold = true,
                       .italic = true,
                       .underline = true,
                       .strike = true,
                       .align = RichAlign::kRight};
  const std::pair<const char*, RichText> rows[] = {
      {"ab", Text({{U"ab", {}}})},
      {"a<b>b</b>", Text({{U"a", {}}, {U"b", Bold()}})},
      {"<font style='font-size:12'><font style='color:#FF0000'>x</font>"
       "</font>",
       Text({{U"x", Coloured(kRed, 12)}})},
      {"a<br>\r\nb", Text({{U"a\r\nb", {}}})},
      {"<div style='text-align:center'>x</div>",
       Text({{U"x", {.align = RichAlign::kCentre}}})},
      // Closing tags are written where the format changes, and for what is
      // still open at the end, the latest first.
      {"<b>a</b>b<i>c</i>",
       Text({{U"a", Bold()}, {U"b", {}}, {U"c", {.italic = true}}})},
      {"<font style='font-size:12'><font style='color:#996633'><b><i><u><s>"
       "<div style='text-align:right'>x</div></s></u></i></b></font></font>",
       Text({{U"x", all}})},
      // A colour or size starting on a blank waits for the next character.
      {"a <font style='color:#FF0000'>b</font>",
       Text({{U"a", {}}, {U" b", Coloured(kRed)}})},
      {"a <font style='font-size:12'>b</font>",
       Text({{U"a", {}}, {U" b", {.size = 12}}})},
      // A new colour closes every font; the size then reopens after it.
      {"<font style='font-size:12'><font style='color:#FF0000'>a</font>"
       "</font><font style='color:#0000FF'><font style='font-size:12'>b"
       "</font></font>",
       Text({{U"a", Coloured(kRed, 12)}, {U"b", Coloured(kBlue, 12)}})},
      // A new size closes the colour, reopened at the next non-blank.
      {"<font style='font-size:12'><font style='color:#FF0000'>a</font>"
       "</font><font style='font-size:14'>b <font style='color:#FF0000'>c"
       "</font></font>",
       Text({{U"a", Coloured(kRed, 12)}, {U"b c", Coloured(kRed, 14)}})},
      {"a<font style='color:#FF0000'>b</font>c",
       Text({{U"a", {}}, {U"b", Coloured(kRed)}, {U"c", {}}})},
      {"<font style='font-size:9'>x</font>", Text({{U"x", {.size = 8.6}}})},
      {"<div style='text-align:right'>a<br>\r\n</div>b",
       Text({{U"a\r\n", {.align = RichAlign::kRight}}, {U"b", {}}})},
      {"\r\n<br>\r\n", Text({{U"\r\n\r\n", {}}})},
      // Tags closed out of their opening order leave the rest to the end.
      {"<b>a<i>b</b>c</i>", Text({{U"a", Bold()},
                                  {U"b", {.bold = true, .italic = true}},
                                  {U"c", {.italic = true}}})},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", Text({{U"é€😀", {}}})},
  };
  for (const auto& [html, text] : rows) {
    EXPECT_EQ(RichTextToHtml(text), html) << html;
  }
}

TEST(RichHtmlTest, EmptyTextOpensAndClosesTheCaretsFormat) {
  EXPECT_EQ(RichTextToHtml({}), "");
  EXPECT_EQ(RichTextToHtml({.caret = {.colour = kRed, .bold = true}}),
            "<font style='color:#FF0000'><b></b></font>");
}

}  // namespace
}  // namespace quillory
