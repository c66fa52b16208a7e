#include "editor/html_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/editor/format_runs.h"
#include "core/editor/guarded_text_source.h"
#include "editor/colouring_range.h"
#include "editor/php_block_index.h"
#include "editor/php_pass.h"
#include "editor/text_source.h"

namespace quillory {

void PrintTo(const TextRange& range, std::ostream* out) {
  *out << range.first << ".." << range.last;
}

namespace {

using Words = std::vector<std::string>;

const Words kSomeKeywords = {"echo", "if", "for", "while", "function"};

// A request to colour: the caret, and the 1-based first and last position
// (-1: derived from the caret's line). kWholeText stands for 0, 1, length.
struct Request {
  int64_t sel_start, first, last;
};
constexpr Request kWholeText{0, 1, 0};

// The rule, the text, the request, the runs it gives and the keywords.
using ParseCase = std::tuple<const char*, std::string, Request, Runs, Words>;

// A row, with the usual keywords unless it names its own.
ParseCase Row(const char* rule, std::string text, Request request,
              Runs expected, Words keywords = kSomeKeywords) {
  return {rule, std::move(text), request, std::move(expected),
          std::move(keywords)};
}

// Positions in the comments count from 1. Word bytes, keyword lists and
// where blocks begin and end are the keyword and block tables' rules; these
// rows are how the passes combine.
const ParseCase kCases[] = {
    // x1 \r2 \n3 a4 5 <6 b7 8 c9 \r10 \n11 y12
    Row("UnclosedTagRunsToLineEnd", "x\r\na <b c\r\ny", {5, -1, -1},
        {Reset(2, 10), Tag(6, 10)}),
    Row("QuotedAttributeValueIsGreyInsideBlueTag", "<p class=\"x\">hi</p>",
        kWholeText, {Reset(1, 19), Tag(1, 13), Tag(16, 19), String(10, 12)}),
    Row("LessThanInsideTagBelongsToIt", "<a<b>c>", kWholeText,
        {Reset(1, 7), Tag(1, 5)}),
    Row("LessThanAtRangeEndIsATagOfOne", "<a><", kWholeText,
        {Reset(1, 4), Tag(1, 3), Tag(4, 4)}),
    // <1 ?2 php 6 echo7 11 $12 a13 ;14 15 ?16 >17
    Row("KeywordInOneLinePhpBlockIsBold", "<?php echo $a; ?>", kWholeText,
        {Reset(1, 17), Tag(1, 17), Php(2, 17), Keyword(7, 4)}),
    // <1 ?2 php \r6 \n7 i8 f9 10 x11 \r12 \n13 ?14 >15
    Row("BlockOpenedEarlierColoursLineFromAfterRangeStart",
        "<?php\r\nif x\r\n?>", {9, -1, -1},
        {Reset(6, 12), Php(7, 12), Keyword(8, 2)}),
    Row("UnclosedBlockRunsToTextEnd", "<?php if", kWholeText,
        {Reset(1, 8), Tag(1, 8), Php(2, 8), Keyword(7, 2)}),
    // x1 <2 ?3 a4 ?5 >6
    Row("BlockOpeningAtRangeStartColoursFromNextPosition", "x<?a?>", {0, 2, 6},
        {Reset(2, 6), Tag(2, 6), Php(3, 6), Keyword(4, 1)}, {"a"}),
    Row("OneCharacterRangeInsideBlockGetsItsKeyword", "<?a?>", {0, 3, 3},
        {Reset(3, 3), Keyword(3, 1)}, {"a"}),
    // <1 ?2 a3 <4 ?5 b6 ?7 >8: the inner block comes first.
    Row("NestedOpenersEachColourTheirBlock", "<?a<?b?>", kWholeText,
        {Reset(1, 8), Tag(1, 8), Php(4, 8), Keyword(6, 1), Php(2, 8),
         Keyword(6, 1), Keyword(3, 1)},
        {"b", "a"}),
    // <1 ?2 php 6 echo7 11 if12 14 echo15 19 ?20 >21
    Row("KeywordsFollowListOrderThenPosition", "<?php echo if echo ?>",
        kWholeText,
        {Reset(1, 21), Tag(1, 21), Php(2, 21), Keyword(12, 2), Keyword(7, 4),
         Keyword(15, 4)},
        {"if", "echo"}),
    Row("StringInsidePhpIsGreyAndKeywordInItStaysBold", "<?php 'if' ?>",
        kWholeText,
        {Reset(1, 13), Tag(1, 13), Php(2, 13), Keyword(8, 2), String(7, 10)}),
    // "1 a2 \3 "4 b5 "6 7 c8
    Row("EscapedQuoteDoesNotCloseString", "\"a\\\"b\" c", {0, 1, 8},
        {Reset(1, 8), String(1, 6)}),
    Row("OneBackslashEscapesEvenWhenDoubled", "\"a\\\\\"b\"", kWholeText,
        {Reset(1, 7), String(1, 7)}),
    Row("BackslashBeforeOpeningQuoteEscapesIt", "\\\"a\"b", kWholeText,
        {Reset(1, 5), String(4, 5)}),
    Row("UnterminatedQuoteGreysToLineEnd", "say 'hi\r\nnext", {2, -1, -1},
        {Reset(1, 8), String(5, 8)}),
    Row("EarlierApostropheOpensBeforeDoubleQuote", "it's \"x\"", kWholeText,
        {Reset(1, 8), String(3, 8)}),
    Row("BackquoteIsAQuoteToo", "a `b' c` d'", kWholeText,
        {Reset(1, 11), String(3, 8)}),
    Row("QuoteAtRangeEndOpensNothing", "ab\"", kWholeText, {Reset(1, 3)}),
    Row("StringMayOpenOnePositionBeforeRange", "x\"ab\"y", {0, 3, 5},
        {Reset(3, 5), String(2, 5)}),
    Row("LoneCrIsNoLineBreak", "a\rb'c", {1, -1, -1},
        {Reset(1, 5), String(4, 5)}),
    Row("EmptyTextGivesNoRuns", "", kWholeText, {}),
    Row("RangeFirstPastLastGivesNoRuns", "abc", {0, 3, 2}, {}),
};

// Each row with and without a block index.
TEST(ParseHtmlTest, GivesExactlyTheRunsOfEachRule) {
  for (const auto& [rule, text, request, expected, words] : kCases) {
    SCOPED_TRACE(rule);
    const PhpKeywords keywords(words);
    Request r = request;
    if (r.last == 0) r.last = static_cast<int64_t>(text.size());
    EXPECT_EQ(ParseHTML(text, r.sel_start, r.first, r.last, keywords),
              expected);
    const PhpBlockIndex index(text);
    EXPECT_EQ(ParseHTML(text, r.sel_start, r.first, r.last, keywords, &index),
              expected);
  }
}

TEST(ParseHtmlTest, IndexOfAnotherTextLengthIsIgnored) {
  const std::string text = "<?php echo ?>";
  const PhpBlockIndex stale("<?php echo ?> and more");
  HtmlColourer colourer{PhpKeywords(kSomeKeywords)};
  const Runs expected = ParseHTML(text, 0, 1, 13, colourer.keywords());
  EXPECT_EQ(ParseHTML(text, 0, 1, 13, colourer.keywords(), &stale), expected);
  GuardedTextSource source(text, 'a');
  EXPECT_EQ(colourer.Colour(source, 0, 1, 13, stale), expected);
  EXPECT_EQ(source.bytes_read(), 13);  // the whole text, read afresh
}

// The editor's colouring may leave out a block nested in one that ends with
// it, but a keyword of other bytes is searched block by block: "<?<" found
// at 1 hides the one at 3 from the enclosing block, not from the nested one.
TEST(ParseHtmlTest, EditorColouringKeepsWhatANestedBlockFinds) {
  HtmlColourer colourer{PhpKeywords({"<?<", "b"})};
  for (const std::string text : {"<?<?<", "<?a<?b?>", "<?<?<?<b?> <?<<?<"}) {
    SCOPED_TRACE(text);
    const auto length = static_cast<int64_t>(text.size());
    WholeText source(text);
    const std::string plain(text.size(), '\0');
    EXPECT_EQ(
        Applied(colourer.Colour(source, 0, 1, length, PhpBlockIndex(text)),
                plain),
        Applied(ParseHTML(text, 0, 1, length, colourer.keywords()), plain));
  }
}

// The colouring range's rules are checked through the colouring pass in the
// random comparison, on texts shorter than the first piece read around the
// caret; here the pieces must grow.
TEST(ColouringRangeTest, PiecesGrowUntilTheLineBreaksAreFound) {
  const std::string text = "a\r\n" + std::string(5000, 'x') + "\r\n" +
                           std::string(3000, 'y') + "\r\nb";
  GuardedTextSource source(text, '\n');
  EXPECT_EQ(ResolveColouringRange(source, 2500, -1, -1), (TextRange{2, 5004}));
  EXPECT_EQ(ResolveColouringRange(source, 5006, -1, -1),
            (TextRange{5004, 8006}));
}

// Past 32 keywords in a block the runs are sorted another way, one the
// random comparison's short texts never reach.
TEST(PhpPassTest, ManyKeywordsInABlockKeepListOrder) {
  std::string text = "<?php ";
  for (int i = 0; i < 200; ++i) text += "for if ";
  const int64_t n = static_cast<int64_t>(text.size());
  const TextRange range{1, n};
  Runs runs;
  AddPhpRuns(text, range, FindPhpBlocks(text, range),
             PhpKeywords({"if", "for"}), runs);
  ASSERT_EQ(runs.size(), 401u);
  EXPECT_EQ(runs[1], Keyword(11, 2));
  EXPECT_EQ(runs[200], Keyword(n - 2, 2));
  EXPECT_EQ(runs[201], Keyword(7, 3));
  EXPECT_EQ(runs[400], Keyword(n - 6, 3));
}

void PrintTo(const PhpBlock& block, std::ostream* out) {
  *out << "{" << block.open << ", " << block.close << "}";
}

// Edits are the colouring pass's random comparison, with an index kept
// along; an edit that cannot belong to the indexed text starts it over.
TEST(PhpBlockIndexTest, ChangeThatDoesNotFitRebuilds) {
  PhpBlockIndex index("<?a?>");
  const std::string other = "xx <?b";
  WholeText source(other);
  index.Update(source, 40, 2, 1);
  EXPECT_EQ(index.text_length(), 6);
  EXPECT_EQ(index.BlocksOverlapping({1, 6}), (std::vector<PhpBlock>{{4, 6}}));
}

}  // namespace
}  // namespace quillory
