#include "insert/panel_snippets.h"

#include <gtest/gtest.h>

#include <string>

namespace quillory {
namespace {

struct SnippetCase {
  ButtonFamily family;
  int index;
  std::string without_selection;
  std::string with_abc;  // "abc" selected
};

using enum ButtonFamily;

const std::string kFlashFirstLine =
    "<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" "
    "codebase=\"";
const std::string kShockwaveFirstLine =
    "<object classid=\"clsid:166b1bca-3f9c-11cf-8075-444553540000\" "
    "codebase=\"";

std::string Pair(const std::string& tag, const std::string& inside) {
  return "<" + tag + ">" + inside + "</" + tag + ">";
}

std::vector<SnippetCase> PairCases() {
  const std::vector<std::pair<SnippetCase, std::string>> pairs = {
      {{kTImg, 2}, "button"},     {{kTImg, 11}, "label"},
      {{kLImg, 0}, "dd"},         {{kLImg, 1}, "dt"},
      {{kLImg, 2}, "li"},         {{kLImg, 3}, "menu"},
      {{kLImg, 4}, "ol"},         {{kLImg, 5}, "ul"},
      {{kLImg, 9}, "caption"},    {{kLImg, 10}, "table"},
      {{kLImg, 11}, "td"},        {{kLImg, 12}, "th"},
      {{kLImg, 13}, "tr"},        {{kLImg, 16}, "script"},
      {{kLImg, 17}, "noscript"},  {{kLImg, 22}, "p"},
      {{kLabel2, 2}, "noframes"}, {{kLabel2, 3}, "iframe"},
      {{kLabel2, 4}, "frameset"}, {{kLabel2, 7}, "B"},
      {{kLabel2, 8}, "I"},        {{kLabel2, 9}, "U"}};
  std::vector<SnippetCase> cases;
  for (auto [row, tag] : pairs) {
    row.without_selection = Pair(tag, "");
    row.with_abc = Pair(tag, "abc");
    cases.push_back(row);
  }
  return cases;
}

std::vector<SnippetCase> InsertCases() {
  const std::vector<std::pair<SnippetCase, std::string>> inserts = {
      {{kLImg, 6}, "<ol>\r\n\t<li>\r\n</ol>"},
      {{kLImg, 7}, "<dl>\r\n\t<dt><dd>\r\n</dl>"},
      {{kLImg, 14}, "<applet code=\"\">"},
      {{kLImg, 15}, "document.write(\"\")"},
      {{kLImg, 18}, "<br>"},
      {{kLImg, 19}, "<hr>"},
      {{kLImg, 20}, "<!--#Include File=\"\"-->"},
      {{kLImg, 21}, "&nbsp;"},
      {{kLImg, 27},
       "<embed src=\"\" autostart=\"false\" hidden=\"false\" loop=\"0\">"},
      {{kLImg, 28},
       "<embed src=\"\" autostart=\"false\" width=\"200\" height=\"200\">"},
      {{kLabel2, 0}, "<base href=\"\">"},
      {{kLabel2, 1}, "<frame>"}};
  std::vector<SnippetCase> cases;
  for (auto [row, text] : inserts) {
    row.without_selection = text;
    row.with_abc = text;
    cases.push_back(row);
  }
  return cases;
}

std::vector<SnippetCase> WrapCases() {
  const std::vector<std::tuple<SnippetCase, std::string, std::string>> wraps = {
      {{kLImg, 23},
       "<object id=\"\" classid=\"\" width=\"\" height=\"\" data=\"\">",
       "</object>"},
      {{kLImg, 24},
       "<applet code=\"\" codebase = \"\" width=\"\" height=\"\">",
       "</applet>"},
      {{kLImg, 25},
       "<div id=\"dhtml_layer\" style=\"position:absolute; left: 1px; "
       "top:1px; width: 100px; height: 100px; z-index:1\">",
       "</div>"},
      {{kLImg, 26}, "<embed src=\"\">", "</embed>"},
      {{kLImg, 32}, "<div style=\"text-align: center\">", "</div>"},
      {{kLImg, 33}, "<div style=\"text-align: left\">", "</div>"},
      {{kLImg, 34}, "<div style=\"text-align: right\">", "</div>"},
      {{kLImg, 35}, "<div style=\"text-align: justify\">", "</div>"},
      {{kLabel2, 5}, "<?php", "?>"},
      {{kLabel2, 6}, "<?=", "?>"}};
  std::vector<SnippetCase> cases;
  for (auto [row, opening, closing] : wraps) {
    row.without_selection = opening + closing;
    row.with_abc = opening + "abc" + closing;
    cases.push_back(row);
  }
  return cases;
}

void ExpectSnippets(const std::vector<SnippetCase>& cases) {
  for (const SnippetCase& row : cases) {
    const PanelButton* button = FindPanelButton(row.family, row.index);
    ASSERT_NE(button, nullptr) << row.index;
    EXPECT_EQ(SnippetFor(*button, ""), row.without_selection) << row.index;
    EXPECT_EQ(SnippetFor(*button, "abc"), row.with_abc) << row.index;
  }
}

TEST(PanelSnippetsTest, PairsWrapTheSelection) { ExpectSnippets(PairCases()); }
TEST(PanelSnippetsTest, InsertsReplaceTheSelection) {
  ExpectSnippets(InsertCases());
}
TEST(PanelSnippetsTest, WrapsPutTheSelectionInside) {
  ExpectSnippets(WrapCases());
}

TEST(PanelSnippetsTest, PhpOutputWrapsWithoutBlanks) {
  EXPECT_EQ(SnippetFor(*FindPanelButton(kLabel2, 6), "abc"), "<?=abc?>");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

void ExpectObjectBlock(int index, const std::string& first_line) {
  const auto text = SnippetFor(*FindPanelButton(kLImg, index), "abc");
  const std::vector<std::string> lines = Lines(*text);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(lines[0].starts_with(first_line)) << lines[0];
  EXPECT_TRUE(lines[0].ends_with("\" width=\"200\" height=\"200\">"));
  EXPECT_EQ(lines[1], "<param name=\"src\" value=\"\">");
  EXPECT_TRUE(lines[2].starts_with("<embed src=\"\" pluginspage=\""));
  EXPECT_TRUE(lines[2].ends_with(
      "\" type=\"application/x-director\" width=\"200\" height=\"200\">"));
  EXPECT_EQ(lines[3], "</embed>");
  EXPECT_EQ(lines[4], "</object>");
}

TEST(PanelSnippetsTest, FlashBlock) { ExpectObjectBlock(29, kFlashFirstLine); }
TEST(PanelSnippetsTest, ShockwaveBlock) {
  ExpectObjectBlock(30, kShockwaveFirstLine);
}

TEST(PanelSnippetsTest, FieldsetWithAndWithoutLabel) {
  EXPECT_EQ(FieldsetText("Who"),
            "<fieldset>\r\n\t<legend>Who</legend>\r\n</fieldset>");
  EXPECT_EQ(FieldsetText(""),
            "<fieldset>\r\n\t<legend></legend>\r\n</fieldset>");
}

TEST(PanelSnippetsTest, DialogButtonsHaveNoSnippet) {
  for (int index : {0, 1, 3, 9, 10, 12, 13, 14, 15, 16, 17, 18})
    EXPECT_EQ(SnippetFor(*FindPanelButton(kTImg, index), "x"), std::nullopt)
        << index;
  for (int index : {8, 31, 36})
    EXPECT_EQ(SnippetFor(*FindPanelButton(kLImg, index), "x"), std::nullopt)
        << index;
}

}  // namespace
}  // namespace quillory
