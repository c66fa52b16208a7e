// The rich-text editor's conversion of 100,000 formatted characters to
// HTML (goal: 50 ms), by the converter alone and read from a document.
#include <benchmark/benchmark.h>

#include <QTextCursor>
#include <QTextDocument>

#include "insert/rich_html.h"
#include "insert/ui/rich_text_reader.h"
#include "qt_bench_main.h"

namespace quillory {
namespace {

constexpr int kCharacters = 100'000;
constexpr int kRunLength = 8;    // characters between format changes
constexpr int kLineLength = 78;  // then CR LF

// Every format the editor offers, in turn.
RichFormat NthFormat(int n) {
  const RichFormat formats[] = {
      {},
      {.bold = true},
      {.colour = 0x0000FF},
      {.size = 12, .italic = true},
      {.colour = 0x00FF00, .size = 14, .underline = true},
      {.strike = true, .align = RichAlign::kCentre},
  };
  return formats[n % std::size(formats)];
}

char32_t NthChar(int i) { return i % 6 == 5 ? U' ' : U'a' + i % 26; }

RichText MadeText() {
  RichText text;
  for (int i = 0; static_cast<int>(text.chars.size()) < kCharacters; ++i) {
    const RichFormat format = NthFormat(i / kRunLength);
    if (i % kLineLength == kLineLength - 1) {
      text.chars.push_back({U'\r', format});
      text.chars.push_back({U'\n', format});
    } else {
      text.chars.push_back({NthChar(i), format});
    }
  }
  return text;
}

// The same text typed into a document a run at a time.
void Fill(QTextDocument& document, const RichText& text) {
  QTextCursor cursor(&document);
  QString run;
  for (size_t i = 0; i < text.chars.size(); ++i) {
    const RichChar& c = text.chars[i];
    if (c.code == U'\n') continue;
    QTextCharFormat format;
    format.setForeground(ColourOfValue(c.format.colour));
    format.setFontPointSize(c.format.size);
    format.setFontWeight(c.format.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(c.format.italic);
    format.setFontUnderline(c.format.underline);
    format.setFontStrikeOut(c.format.strike);
    if (c.code == U'\r') {
      cursor.insertBlock();
    } else {
      cursor.insertText(QString(QChar(static_cast<char16_t>(c.code))), format);
    }
  }
}

void BM_ConvertCharacters(benchmark::State& state) {
  const RichText text = MadeText();
  for (auto _ : state) {
    benchmark::DoNotOptimize(RichTextToHtml(text));
  }
  state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_ConvertCharacters)->Unit(benchmark::kMillisecond);

void BM_ConvertDocument(benchmark::State& state) {
  QTextDocument document;
  Fill(document, MadeText());
  const QTextCursor caret(&document);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RichTextToHtml(ReadRichText(document, caret)));
  }
  state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_ConvertDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
  return quillory::bench::RunQtBenchmarks(argc, argv);
}
