#include "editor/html_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/editor/format_runs.h"
#include "core/editor/guarded_text_source.h"

namespace quillory {
namespace {

using Words = std::vector<std::string>;

const Words kSomeKeywords = {"echo", "if", "for", "while", "function"};

struct ParseCase {
  std::string rule;
  std::string text;
  int64_t sel_start;
  int64_t first;
  int64_t last;
  Runs expected;
  Words keywords = kSomeKeywords;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.rule; }

class ParseHtmlRule : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseHtmlRule, GivesExactlyTheseRuns) {
  const ParseCase& c = GetParam();
  const PhpKeywords keywords(c.keywords);
  EXPECT_EQ(ParseHTML(c.text, c.sel_start, c.first, c.last, keywords),
            c.expected);
  const PhpBlockIndex index(c.text);
  EXPECT_EQ(ParseHTML(c.text, c.sel_start, c.first, c.last, keywords, &index),
            c.expected)
      << "with an index";
}

// Positions in the comments count from 1.
const ParseCase kCases[] = {
    // x1 \r2 \n3 a4 5 <6 b7 8 c9 \r10 \n11 y12
    {"UnclosedTagRunsToLineEnd",
     "x\r\na <b c\r\ny",
     5,
     -1,
     -1,
     {Reset(2, 10), Tag(6, 10)}},
    {"QuotedAttributeValueIsGreyInsideBlueTag",
     "<p class=\"x\">hi</p>",
     0,
     1,
     19,
     {Reset(1, 19), Tag(1, 13), Tag(16, 19), String(10, 12)}},
    {"LessThanInsideTagBelongsToIt",
     "<a<b>c>",
     0,
     1,
     7,
     {Reset(1, 7), Tag(1, 5)}},
    {"LessThanAtRangeEndIsATagOfOne",
     "<a><",
     0,
     1,
     4,
     {Reset(1, 4), Tag(1, 3), Tag(4, 4)}},
    // <1 ?2 php 6 echo7 11 $12 a13 ;14 15 ?16 >17
    {"KeywordInOneLinePhpBlockIsBold",
     "<?php echo $a; ?>",
     0,
     1,
     17,
     {Reset(1, 17), Tag(1, 17), Php(2, 17), Keyword(7, 4)}},
    {"KeywordInsideLongerWordStaysTeal",
     "<?php echo1 echo_ xecho ?>",
     0,
     1,
     26,
     {Reset(1, 26), Tag(1, 26), Php(2, 26)}},
    {"Bytes192To255AreWordCharacters",
     "<?php \xC0"
     "echo echo\xFF ?>",
     0,
     1,
     20,
     {Reset(1, 20), Tag(1, 20), Php(2, 20)}},
    {"Bytes128To191AreNotWordCharacters",
     "<?php \x80"
     "echo\xBF ?>",
     0,
     1,
     15,
     {Reset(1, 15), Tag(1, 15), Php(2, 15), Keyword(8, 4)}},
    {"NulBytesAreOrdinaryText",
     std::string("<?php\0echo\0?>", 13),
     0,
     1,
     13,
     {Reset(1, 13), Tag(1, 13), Php(2, 13), Keyword(7, 4)}},
    // <1 ?2 php \r6 \n7 i8 f9 10 x11 \r12 \n13 ?14 >15
    {"BlockOpenedEarlierColoursLineFromAfterRangeStart",
     "<?php\r\nif x\r\n?>",
     9,
     -1,
     -1,
     {Reset(6, 12), Php(7, 12), Keyword(8, 2)}},
    {"KeywordMayRunPastRangeEnd",
     "<?php echo ?>",
     0,
     1,
     8,
     {Reset(1, 8), Tag(1, 8), Php(2, 8), Keyword(7, 4)}},
    {"UnclosedBlockRunsToTextEnd",
     "<?php if",
     0,
     1,
     8,
     {Reset(1, 8), Tag(1, 8), Php(2, 8), Keyword(7, 2)}},
    // <1 ?2 a3 ?4 >5 b6
    {"BlockClosingAtRangeStartIsLeftOut",
     "<?a?>b",
     0,
     4,
     6,
     {Reset(4, 6)},
     {"a"}},
    {"BlockClosingInsideRangeIsKept",
     "<?a?>b",
     0,
     3,
     6,
     {Reset(3, 6), Php(4, 5), Keyword(3, 1)},
     {"a"}},
    // x1 <2 ?3 a4 ?5 >6
    {"BlockOpeningAtRangeStartColoursFromNextPosition",
     "x<?a?>",
     0,
     2,
     6,
     {Reset(2, 6), Tag(2, 6), Php(3, 6), Keyword(4, 1)},
     {"a"}},
    {"OneCharacterRangeInsideBlockGetsItsKeyword",
     "<?a?>",
     0,
     3,
     3,
     {Reset(3, 3), Keyword(3, 1)},
     {"a"}},
    {"OpenerCutByRangeEndIsNoBlock",
     "ab<?php",
     0,
     1,
     3,
     {Reset(1, 3), Tag(3, 3)}},
    // <1 ?2 a3 <4 ?5 b6 ?7 >8: the inner block comes first.
    {"NestedOpenersEachColourTheirBlock",
     "<?a<?b?>",
     0,
     1,
     8,
     {Reset(1, 8), Tag(1, 8), Php(4, 8), Keyword(6, 1), Php(2, 8),
      Keyword(6, 1), Keyword(3, 1)},
     {"b", "a"}},
    // <1 ?2 php 6 echo7 11 if12 14 echo15 19 ?20 >21
    {"KeywordsFollowListOrderThenPosition",
     "<?php echo if echo ?>",
     0,
     1,
     21,
     {Reset(1, 21), Tag(1, 21), Php(2, 21), Keyword(12, 2), Keyword(7, 4),
      Keyword(15, 4)},
     {"if", "echo"}},
    {"RepeatedListEntryEmphasisesAgain",
     "<?php echo ?>",
     0,
     1,
     13,
     {Reset(1, 13), Tag(1, 13), Php(2, 13), Keyword(7, 4), Keyword(7, 4)},
     {"echo", "", "echo"}},
    {"EmptyKeywordListEmphasisesNothing",
     "<?php echo ?>",
     0,
     1,
     13,
     {Reset(1, 13), Tag(1, 13), Php(2, 13)},
     {}},
    {"KeywordWithOtherCharactersMatchesLiterally",
     "<?php $this->x ?>",
     0,
     1,
     17,
     {Reset(1, 17), Tag(1, 13), Php(2, 17), Keyword(7, 5)},
     {"$this"}},
    {"StringInsidePhpIsGreyAndKeywordInItStaysBold",
     "<?php 'if' ?>",
     0,
     1,
     13,
     {Reset(1, 13), Tag(1, 13), Php(2, 13), Keyword(8, 2), String(7, 10)}},
    // "1 a2 \3 "4 b5 "6 7 c8
    {"EscapedQuoteDoesNotCloseString",
     "\"a\\\"b\" c",
     0,
     1,
     8,
     {Reset(1, 8), String(1, 6)}},
    {"OneBackslashEscapesEvenWhenDoubled",
     "\"a\\\\\"b\"",
     0,
     1,
     7,
     {Reset(1, 7), String(1, 7)}},
    {"BackslashBeforeOpeningQuoteEscapesIt",
     "\\\"a\"b",
     0,
     1,
     5,
     {Reset(1, 5), String(4, 5)}},
    {"UnterminatedQuoteGreysToLineEnd",
     "say 'hi\r\nnext",
     2,
     -1,
     -1,
     {Reset(1, 8), String(5, 8)}},
    {"EarlierApostropheOpensBeforeDoubleQuote",
     "it's \"x\"",
     0,
     1,
     8,
     {Reset(1, 8), String(3, 8)}},
    {"EarlierDoubleQuoteOpensBeforeApostrophe",
     "\"it's\"",
     0,
     1,
     6,
     {Reset(1, 6), String(1, 6)}},
    {"BackquoteIsAQuoteToo",
     "a `b' c` d'",
     0,
     1,
     11,
     {Reset(1, 11), String(3, 8)}},
    {"TextStartingWithQuoteCaretAtZero",
     "\"a\"\r\nb",
     0,
     -1,
     -1,
     {Reset(1, 4), String(1, 3)}},
    {"QuoteAtRangeEndOpensNothing", "ab\"", 0, 1, 3, {Reset(1, 3)}},
    {"StringMayOpenOnePositionBeforeRange",
     "x\"ab\"y",
     0,
     3,
     5,
     {Reset(3, 5), String(2, 5)}},
    {"LoneCrIsNoLineBreak", "a\rb'c", 1, -1, -1, {Reset(1, 5), String(4, 5)}},
    {"InvalidUtf8IsOrdinaryBytes",
     "<\xFF\xFE>'\xC3\x28'",
     0,
     1,
     8,
     {Reset(1, 8), Tag(1, 4), String(5, 8)}},
    {"EmptyTextGivesNoRuns", "", 0, 1, 0, {}},
    {"RangeFirstPastLastGivesNoRuns", "abc", 0, 3, 2, {}},
    {"RangeIsClampedIntoText", "<a>", 0, -5, 99, {Reset(1, 3), Tag(1, 3)}},
};

INSTANTIATE_TEST_SUITE_P(Rules, ParseHtmlRule, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ParseCase>& info) {
                           return info.param.rule;
                         });

TEST(ParseHtmlTest, TenMegabyteLineIsColouredAsOneRange) {
  std::string text = "<a 'b" + std::string(10'000'000, 'x');
  const int64_t length = static_cast<int64_t>(text.size());
  const PhpKeywords keywords(kSomeKeywords);
  const Runs expected = {Reset(1, length), Tag(1, length), String(4, length)};
  EXPECT_EQ(ParseHTML(text, length / 2, -1, -1, keywords), expected);
}

TEST(ParseHtmlTest, CaretLineOfLongTextIsColouredFromItsOwnBytes) {
  std::string text = "<?php\r\n";
  for (int i = 0; i < 20000; ++i) text += "<p class=\"c\">echo $a;</p>\r\n";
  const int64_t caret = static_cast<int64_t>(text.size()) / 2;
  const PhpBlockIndex index(text);
  HtmlColourer colourer{PhpKeywords(kSomeKeywords)};
  GuardedTextSource source(text, 'a');
  EXPECT_EQ(colourer.Colour(source, caret, -1, -1, index),
            ParseHTML(text, caret, -1, -1, colourer.keywords()));
  EXPECT_LE(source.bytes_read(), 1025 + 40);
}

TEST(ParseHtmlTest, PiecesWithAnIndexOfAnotherLengthReadTheWholeText) {
  const std::string text = "<?php echo ?>";
  const PhpBlockIndex stale("<?php echo ?> and more");
  HtmlColourer colourer{PhpKeywords(kSomeKeywords)};
  GuardedTextSource source(text, 'a');
  EXPECT_EQ(colourer.Colour(source, 0, 1, 13, stale),
            ParseHTML(text, 0, 1, 13, colourer.keywords()));
  EXPECT_EQ(source.bytes_read(), 13);
}

TEST(ParseHtmlTest, IndexOfAnotherTextLengthIsIgnored) {
  const std::string text = "<?php echo ?>";
  const PhpBlockIndex stale("<?php echo ?> and more");
  const PhpKeywords keywords(kSomeKeywords);
  EXPECT_EQ(ParseHTML(text, 0, 1, 13, keywords, &stale),
            ParseHTML(text, 0, 1, 13, keywords));
}

TEST(ParseHtmlTest, LineInsideLongUnclosedBlockIsTeal) {
  std::string text = "<?php\r\n";
  for (int i = 0; i < 1000; ++i) text += "$a = 1;\r\n";
  const int64_t caret = static_cast<int64_t>(text.size()) - 4;
  const PhpBlockIndex index(text);
  const PhpKeywords keywords(kSomeKeywords);
  const Runs runs = ParseHTML(text, caret, -1, -1, keywords, &index);
  const int64_t line_cr = static_cast<int64_t>(text.size()) - 10;
  EXPECT_EQ(runs,
            (Runs{Reset(line_cr, line_cr + 9), Php(line_cr + 1, line_cr + 9)}));
}

}  // namespace
}  // namespace quillory
