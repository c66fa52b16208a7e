#include "editor/script_colouring.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/editor/script_recolouring.h"

namespace quillory {
namespace {

std::string ColourAll(const std::string& text, ScriptLanguage language) {
  ScriptDocument document(text, language);
  document.ColourAll();
  return document.Letters();
}

constexpr auto kCss = ScriptLanguage::kStyleSheet;
constexpr auto kJs = ScriptLanguage::kScript;
constexpr auto kPage = ScriptLanguage::kPage;

// The rule, the language, the text and its colours.
using Row = std::tuple<const char*, ScriptLanguage, const char*, const char*>;
const Row kRows[] = {
    {"selectors before a block, properties inside it", kCss,
     "a.b:hover{color:red}", "SSSSSSSSS.ppppp....."},
    {"numbers carry their unit", kCss, "p{margin:-1.5em 10%}",
     "S.pppppp.nnnnnn.nnn."},
    {"hex colours in values; other hashes plain", kCss, "p{color:#fff;x:#ggg}",
     "S.ppppp.####.p......"},
    {"important in any case, blanks allowed", kCss, "p{a:b ! IMPORTANT}",
     "S.p...iiiiiiiiiii."},
    {"at-rules, their prelude as a value", kCss, "@media (min-width:600px){",
     "aaaaaa............nnnnn.."},
    {"a nested rule inside a block is a selector", kCss, "@media x{a b{c:d}}",
     "aaaaaa...S.S.p...."},
    {"comments and strings", kCss, "/*x*/a{b:'c;d'}", "cccccS.p.sssss."},
    {"an open comment goes on to the next line", kCss, "a{/*x\r\ny*/b:c}",
     "S.ccc||cccp..."},
    {"keywords, names, numbers", kJs, "if (a1 < 0x1F) return 1.5e3n;",
     "kk.......nnnn..kkkkkk.nnnnnn."},
    {"every keyword is bold, a name that only looks like one is not", kJs,
     "async await break case catch class const continue debugger default "
     "delete do else export extends false finally for function if import in "
     "instanceof let new null of return static super switch this throw true "
     "try typeof undefined var void while with yield If iff fo elsewhere",
     "kkkkk.kkkkk.kkkkk.kkkk.kkkkk.kkkkk.kkkkk.kkkkkkkk.kkkkkkkk.kkkkkkk."
     "kkkkkk.kk.kkkk.kkkkkk.kkkkkkk.kkkkk.kkkkkkk.kkk.kkkkkkkk.kk.kkkkkk.kk."
     "kkkkkkkkkk.kkk.kkk.kkkk.kk.kkkkkk.kkkkkk.kkkkk.kkkkkk.kkkk.kkkkk.kkkk."
     "kkk.kkkkkk.kkkkkkkkk.kkk.kkkk.kkkkk.kkkk.kkkkk...................."},
    {"a slash after a value divides; after an operator it opens an "
     "expression",
     kJs, "x = a / b; y = /[/]x/g.test(s)", "...............rrrrrrr........"},
    {"strings escape their quote; line comments run to the end", kJs,
     "'a\\'b' // c", "ssssss.cccc"},
    {"template literals, their substitutions script again", kJs,
     "`a${b + `c`}d`", "tttt....tttttt"},
    {"a template goes on over line ends", kJs, "`a\r\nb` if", "tt||tt.kk"},
    {"braces open in a substitution go on over line ends", kJs,
     "`${f(x => {\r\n}).y}a` if", "ttt........||....ttt.kk"},
    {"a block comment closes on a later line", kJs, "/* a\r\nb */ if",
     "cccc||cccc.kk"},
    {"a style element's contents as CSS, the tags as markup", kPage,
     "<style>p{}</style>", "-------S..--------"},
    {"a script's contents as JS: a less-than is no tag", kPage,
     "<script>if (a < b)</script>", "--------kk........---------"},
    {"an end tag inside a string ends the script, as in browsers", kPage,
     "<SCRIPT>x='</script>'", "--------..s----------"},
    {"a script of another type stays markup", kPage,
     "<script type=\"text/html\"><b>if</b></script>",
     "-------------------------------------------"},
    {"a module script is script", kPage, "<script type=module>if</script>",
     "--------------------kk---------"},
    {"PHP blocks in a script keep the markup colouring", kPage,
     "<script>x='<?= $a ?>';</script>", "--------..s---------s.---------"},
    {"a script's state goes on to the next line", kPage, "<script>/*\r\n*/if",
     "--------cc||cckk"},
    {"no tag inside a comment, on its line or after it", kPage,
     "<!--<script>-->if<!--\r\n<style>-->a{}",
     "---------------------||-------------"},
    {"a script after lines of markup is found; the markup around it stays",
     kPage, "<p>if\r\n<span>\r\n<script>\r\nif</script>\r\n<b>if\r\n",
     "-----------------------||kk------------------"},
    {"tags that only start like style or script leave the markup as it is",
     kPage, "<!DOCTYPE><s>\r\n<styles><!---->\r\n<Style>a{}</style>",
     "---------------------------------------S..--------"},
};

TEST(ScriptColouringTest, ColoursEachKindByItsRule) {
  for (const auto& [rule, language, text, expected] : kRows) {
    EXPECT_EQ(ColourAll(text, language), expected) << rule;
  }
}

// The rule, the language, the text, and where how many bytes are replaced
// by what.
using EditRow = std::tuple<const char*, ScriptLanguage, const char*, size_t,
                           size_t, const char*>;
const EditRow kEditRows[] = {
    {"opening a comment recolours the lines after it", kJs, "a\r\nb\r\nc", 0, 0,
     "/*"},
    {"closing it gives them back", kJs, "/*a\r\nb\r\nc", 0, 2, ""},
    {"a template opened in a script runs to its element's end", kPage,
     "<script>a\r\nb</script>\r\nc", 8, 0, "`"},
    {"an end tag typed in a script gives the rest back to markup", kPage,
     "<script>a\r\nb\r\n</script>", 8, 0, "</script>"},
    {"closing a comment gives the script after it back", kPage,
     "<!--\r\n<script>\r\nif</script>", 4, 0, "-->"},
    {"a start tag typed makes the lines after it script", kPage,
     "a\r\nif\r\n</script>", 0, 0, "<script>"},
    {"a pasted piece with line ends", kCss, "a{}\r\nb{}", 2, 0, "c:d;\r\n/*"},
};

TEST(ScriptColouringTest, RecolouringAnEditedLineGivesTheWholeTextsColours) {
  for (const auto& [rule, language, before, at, removed, inserted] :
       kEditRows) {
    ScriptDocument edited(before, language);
    edited.ColourAll();
    edited.Edit(at, removed, inserted);
    ScriptDocument whole(edited.text(), language);
    whole.ColourAll();
    EXPECT_EQ(edited.Letters(), whole.Letters()) << rule;
  }
}

}  // namespace
}  // namespace quillory
