// Colouring speed: the colouring pass over whole texts and single lines,
// against four memchr passes as the floor, Scintilla's own HTML lexer and
// KSyntaxHighlighting, on the generated corpus and on worst cases. Prints
// the ratios the colouring must meet after the table.

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <QApplication>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "colouring_ratios.h"
#include "colouring_texts.h"
#include "editor/html_parse.h"
#include "editor/php_block_index.h"
#include "editor/php_keywords.h"
#include "editor_colouring.h"
#include "ksh_highlight.h"

namespace quillory::bench {
namespace {

const char* const kSizes[] = {"100k", "2m", "20m"};

const PhpKeywords& Keywords() {
  static const PhpKeywords keywords =
      LoadPhpKeywords(QUILLORY_DATA_DIR "/languages/php.lng");
  return keywords;
}

void CountBytes(benchmark::State& state, size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// Through HtmlColourer, as the editor colours: its memory is reused from
// one call to the next instead of being faulted in afresh.
void ParseWhole(benchmark::State& state, const std::string* text) {
  const int64_t length = static_cast<int64_t>(text->size());
  HtmlColourer colourer(Keywords());
  size_t runs = 0;
  for (auto _ : state) {
    const std::vector<FormatRun>& colouring =
        colourer.Colour(*text, 0, 1, length);
    runs = colouring.size();
    benchmark::DoNotOptimize(colouring.data());
  }
  state.counters["runs"] = static_cast<double>(runs);
  CountBytes(state, text->size());
}

void MemchrFloor(benchmark::State& state, const std::string* text) {
  for (auto _ : state) {
    size_t found = 0;
    for (char byte : {'<', '"', '\'', '`'}) {
      const char* at = text->data();
      const char* end = at + text->size();
      while ((at = static_cast<const char*>(std::memchr(at, byte, end - at)))) {
        ++found;
        ++at;
      }
    }
    benchmark::DoNotOptimize(found);
  }
  CountBytes(state, text->size());
}

// Editors must go before the application object does.
std::map<const std::string*, std::unique_ptr<QsciScintilla>>& Editors() {
  static std::map<const std::string*, std::unique_ptr<QsciScintilla>> editors;
  return editors;
}

QsciScintilla* ScintillaWith(const std::string* text) {
  std::unique_ptr<QsciScintilla>& editor = Editors()[text];
  if (!editor) {
    editor = std::make_unique<QsciScintilla>();
    editor->setLexer(new QsciLexerHTML(editor.get()));
    editor->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT,
                          static_cast<unsigned long>(text->size()),
                          text->data());
    // The first pass also builds the lexer's per-line state; a text whose
    // first pass outlasts the minimum time would be timed on that pass
    // alone, so the baseline is always the lexer's steady speed.
    editor->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  }
  return editor.get();
}

void QsciColourise(benchmark::State& state, const std::string* text) {
  QsciScintilla* editor = ScintillaWith(text);
  for (auto _ : state) {
    editor->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  }
  const long tag_style =
      editor->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 1UL);
  if (tag_style == 0) state.SkipWithError("Scintilla's lexer styled nothing");
  CountBytes(state, text->size());
}

struct KshModule {
  void* library = nullptr;
  KshOpenFunction open = nullptr;
  KshSetTextFunction set_text = nullptr;
  KshHighlightAllFunction highlight_all = nullptr;
};

#ifndef QUILLORY_KSH_MODULE
#define QUILLORY_KSH_MODULE "KSyntaxHighlighting was not found at build time"
#endif

const KshModule& Ksh() {
  static const KshModule module = [] {
    KshModule m;
    m.library = dlopen(QUILLORY_KSH_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (m.library == nullptr) return m;
    m.open = reinterpret_cast<KshOpenFunction>(dlsym(m.library, "KshOpen"));
    m.set_text =
        reinterpret_cast<KshSetTextFunction>(dlsym(m.library, "KshSetText"));
    m.highlight_all = reinterpret_cast<KshHighlightAllFunction>(
        dlsym(m.library, "KshHighlightAll"));
    return m;
  }();
  return module;
}

void KshHighlight(benchmark::State& state, const char* definition,
                  const std::string* text) {
  static std::map<std::string, std::pair<void*, const std::string*>> sessions;
  const KshModule& ksh = Ksh();
  if (ksh.open == nullptr) {
    return state.SkipWithError("KSyntaxHighlighting module not loaded");
  }
  auto& [session, loaded] = sessions[definition];
  if (session == nullptr) session = ksh.open(definition);
  if (session == nullptr) return state.SkipWithError("no such definition");
  if (loaded != text) {
    ksh.set_text(session, text->data(), text->size());
    loaded = text;
  }
  size_t formats = 0;
  for (auto _ : state) formats = ksh.highlight_all(session);
  state.counters["formats"] = static_cast<double>(formats);
  CountBytes(state, text->size());
}

enum class Caret { kStart, kMiddle, kEnd };

// A caret on a plain letter near the start, middle or end of the text.
int64_t CaretIn(const std::string& text, Caret where) {
  size_t at = where == Caret::kStart    ? 0
              : where == Caret::kMiddle ? text.size() / 2
                                        : text.size() - 200;
  while (at < text.size() && !(text[at] >= 'a' && text[at] <= 'z')) ++at;
  return static_cast<int64_t>(at);
}

const PhpBlockIndex& IndexOf(const std::string* text) {
  static std::map<const std::string*, PhpBlockIndex> indexes;
  auto found = indexes.find(text);
  if (found == indexes.end()) {
    found = indexes.emplace(text, PhpBlockIndex(*text)).first;
  }
  return found->second;
}

void ColourLine(benchmark::State& state, const std::string* text, Caret where,
                bool indexed) {
  const int64_t caret = CaretIn(*text, where);
  const PhpBlockIndex* index = indexed ? &IndexOf(text) : nullptr;
  const TextRange line = ResolveColouringRange(*text, caret, -1, -1);
  for (auto _ : state) {
    std::vector<FormatRun> runs =
        ParseHTML(*text, caret, -1, -1, Keywords(), index);
    benchmark::DoNotOptimize(runs.data());
  }
  CountBytes(state, line.last - line.first + 1);
}

// One typed character as the editor sees it: the byte at the caret
// changes, the index hears of it, the caret's line is coloured again.
void TypeAndColourLine(benchmark::State& state, const std::string* source,
                       Caret where) {
  std::string text = *source;
  PhpBlockIndex index(text);
  const int64_t caret = CaretIn(text, where);
  for (auto _ : state) {
    text[caret] = text[caret] == 'x' ? 'y' : 'x';
    WholeText source(text);
    index.Update(source, caret, 1, 1);
    std::vector<FormatRun> runs =
        ParseHTML(text, caret + 1, -1, -1, Keywords(), &index);
    benchmark::DoNotOptimize(runs.data());
  }
}

template <typename Function, typename... Args>
void Add(const std::string& name, Function function, Args... args) {
  benchmark::RegisterBenchmark(name.c_str(), function, args...)
      ->Unit(benchmark::kMillisecond)
      ->MinTime(1.0);
}

template <typename Function, typename... Args>
void AddQuick(const std::string& name, Function function, Args... args) {
  benchmark::RegisterBenchmark(name.c_str(), function, args...)
      ->Unit(benchmark::kMicrosecond)
      ->MinTime(0.3);
}

void RegisterAll() {
  for (const char* size : kSizes) {
    const std::string* text = &Corpus(size);
    const std::string at = std::string("/") + size;
    Add("ParseHTML/whole" + at, ParseWhole, text);
    Add("Memchr4/whole" + at, MemchrFloor, text);
    Add("QsciLexerHTML/whole" + at, QsciColourise, text);
    Add("KSH_HTML/whole" + at, KshHighlight, "HTML", text);
    Add("KSH_PHP_HTML/whole" + at, KshHighlight, "PHP (HTML)", text);
  }
  for (const char* size : {"100k", "20m"}) {
    const std::string* text = &Corpus(size);
    const std::string at = std::string("/") + size;
    const std::pair<const char*, Caret> carets[] = {{"start", Caret::kStart},
                                                    {"middle", Caret::kMiddle},
                                                    {"end", Caret::kEnd}};
    for (const auto& [name, caret] : carets) {
      AddQuick(std::string("Line/") + name + at, ColourLine, text, caret, true);
      AddQuick(std::string("Typing/") + name + at, TypeAndColourLine, text,
               caret);
    }
    AddQuick("LineWithoutIndex/end" + at, ColourLine, text, Caret::kEnd, false);
  }
  const std::pair<const char*, const std::string*> worst[] = {
      {"OneLessThanLine20MB", &OneLessThanLine()},
      {"MillionEscapedQuotes", &MillionEscapedQuotes()},
      {"MillionOneKindQuotes", &MillionOneKindQuotes()},
      {"UnclosedPhpBlock20MB", &UnclosedPhpBlock()},
      {"ShortPhpBlocks100000", &ShortPhpBlocks()}};
  for (const auto& [name, text] : worst) {
    Add(std::string("Worst/") + name + "/whole", ParseWhole, text);
    AddQuick(std::string("Worst/") + name + "/line", ColourLine, text,
             Caret::kMiddle, true);
  }
}

}  // namespace
}  // namespace quillory::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  quillory::bench::RegisterAll();
  quillory::bench::RegisterEditorColouring();
  quillory::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  quillory::bench::Editors().clear();
  quillory::bench::ReleaseEditors();
  benchmark::Shutdown();
  return 0;
}
