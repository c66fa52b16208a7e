#include "editor_colouring.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <map>
#include <memory>
#include <string>

#include "colouring_texts.h"
#include "editor/editing_guards.h"
#include "editor/ui/editor.h"
#include "editor/ui/highlighter.h"
#include "script_texts.h"

namespace quillory::bench {
namespace {

struct Host {
  EditingGuards guards;
  std::unique_ptr<Editor> rich;
  std::unique_ptr<HtmlParse> highlighter;
};

std::map<std::string, Host>& Hosts() {
  static std::map<std::string, Host> hosts;
  return hosts;
}

// One shown editor per use, as the main window binds it; pages colour
// their style sheets and scripts as the program does by default.
Host& HostFor(const std::string& use,
              ScriptLanguage language = ScriptLanguage::kPage) {
  Host& host = Hosts()[use];
  if (!host.rich) {
    host.rich = std::make_unique<Editor>();
    host.rich->resize(900, 700);
    host.rich->show();
    host.highlighter = std::make_unique<HtmlParse>(host.guards);
    host.highlighter->SethWnd(host.rich.get());
    host.highlighter->Initialize(QUILLORY_DATA_DIR "/languages/php.lng");
    host.highlighter->SetScriptLanguage([language] { return language; });
  }
  return host;
}

void ColourWhole(benchmark::State& state, const std::string* text,
                 ScriptLanguage language) {
  Host& host =
      HostFor("whole " + std::to_string(static_cast<int>(language)), language);
  host.rich->SetBytes(*text);
  for (auto _ : state) {
    host.highlighter->SetForParsing(*host.rich, 1, host.rich->Length());
  }
  if (host.rich->StyleAt(0) == 0) state.SkipWithError("nothing was coloured");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text->size()));
}

// The first colouring of a text just put in, as opening a file makes it.
void ColourFresh(benchmark::State& state, const std::string* text) {
  Host& host = HostFor("fresh");
  for (auto _ : state) {
    state.PauseTiming();
    host.rich->SetBytes(*text);
    state.ResumeTiming();
    host.highlighter->SetForParsing(*host.rich, 1, host.rich->Length());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text->size()));
}

// From the bytes in hand to a painted, coloured first screen.
void OpenToFirstScreen(benchmark::State& state, const std::string* text) {
  Host& host = HostFor("open");
  for (auto _ : state) {
    host.rich->SetBytes(*text);
    host.highlighter->SetForParsing(*host.rich, 1, host.rich->Length());
    host.rich->viewport()->repaint();
  }
}

// A real key press on the editor, then its line coloured as typing does.
void TypeX(Host& host) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  QApplication::sendEvent(host.rich.get(), &press);
  host.highlighter->ParseCodeFromRich(*host.rich);
}

// Only the colouring half of typing: the caret's line coloured again.
void ColourCaretLine(benchmark::State& state, const std::string* text,
                     std::string where) {
  Host& host = HostFor("line " + where);
  host.rich->SetBytes(*text);
  host.highlighter->SetForParsing(*host.rich, 1, host.rich->Length());
  const int caret = CaretFor(*text, where);
  host.rich->Select(caret, caret);
  TypeX(host);
  for (auto _ : state) host.highlighter->ParseCodeFromRich(*host.rich);
}

void TypeInEditor(benchmark::State& state, const std::string* text,
                  std::string where, ScriptLanguage language) {
  Host& host = HostFor(
      "typing " + where + std::to_string(static_cast<int>(language)), language);
  host.rich->SetBytes(*text);
  host.highlighter->SetForParsing(*host.rich, 1, host.rich->Length());
  const int caret = CaretFor(*text, where);
  host.rich->Select(caret, caret);
  // The first key after the caret jumps moves the control's buffer gap to
  // it, once; the timed keys are the ones that follow.
  TypeX(host);
  for (auto _ : state) TypeX(host);
}

void AddWhole(const std::string& name, const std::string* text,
              ScriptLanguage language) {
  benchmark::RegisterBenchmark(name.c_str(), ColourWhole, text, language)
      ->Unit(benchmark::kMillisecond)
      ->MinTime(1.0);
}

// NOTE: a key on a line of megabytes costs the control's own layout of
// that line, seconds in any kind of document, so such texts get few keys.
void AddTyping(const std::string& name, const std::string* text,
               ScriptLanguage language, int keys = 300) {
  benchmark::RegisterBenchmark(name.c_str(), TypeInEditor, text,
                               std::string("middle"), language)
      ->Unit(benchmark::kMicrosecond)
      ->Iterations(keys);
}

// Style sheets and scripts, on their own and in a page, and the inputs that
// would make a careless lexer slow.
void RegisterScriptColouring() {
  constexpr auto kScript = ScriptLanguage::kScript;
  constexpr auto kStyleSheet = ScriptLanguage::kStyleSheet;
  for (const char* size : {"100k", "20m"}) {
    const std::string at = std::string("/") + size;
    AddWhole("EditorColour/script" + at, &ScriptCorpus(size), kScript);
    AddWhole("EditorColour/stylesheet" + at, &StyleSheetCorpus(size),
             kStyleSheet);
  }
  AddWhole("EditorColour/passonly/20m", &Corpus("20m"), ScriptLanguage::kNone);
  AddTyping("EditorTyping/script/middle/20m", &ScriptCorpus("20m"), kScript);
  AddTyping("EditorTyping/stylesheet/middle/20m", &StyleSheetCorpus("20m"),
            kStyleSheet);
  AddTyping("EditorTyping/pagescript/middle/20m", &PageWithLargeScript(),
            ScriptLanguage::kPage);
  const std::pair<const char*, const std::string*> worst[] = {
      {"UnclosedComment20MB", &UnclosedCommentScript()},
      {"UnclosedTemplate20MB", &UnclosedTemplateScript()},
      {"OneLineScript10MB", &OneLineScript()},
      {"Binary20MB", &BinaryScript()}};
  for (const auto& [name, text] : worst) {
    AddWhole(std::string("EditorWorst/") + name + "/whole", text, kScript);
    AddTyping(std::string("EditorWorst/") + name + "/typing", text, kScript,
              text == &OneLineScript() ? 3 : 300);
  }
  AddWhole("EditorWorst/MillionSelectors/whole", &MillionSelectors(),
           kStyleSheet);
  AddTyping("EditorWorst/MillionSelectors/typing", &MillionSelectors(),
            kStyleSheet);
}

}  // namespace

void RegisterEditorColouring() {
  for (const char* size : {"100k", "2m", "20m"}) {
    const std::string at = std::string("/") + size;
    benchmark::RegisterBenchmark(("EditorColour/whole" + at).c_str(),
                                 ColourWhole, &Corpus(size),
                                 ScriptLanguage::kPage)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0);
  }
  for (const char* size : {"100k", "20m"}) {
    benchmark::RegisterBenchmark(
        (std::string("EditorColour/fresh/") + size).c_str(), ColourFresh,
        &Corpus(size))
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0);
  }
  RegisterScriptColouring();
  benchmark::RegisterBenchmark("EditorOpen/firstscreen/20m", OpenToFirstScreen,
                               &Corpus("20m"))
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
  for (const char* size : {"100k", "20m"}) {
    for (const char* where : {"start", "middle", "end"}) {
      const std::string name =
          std::string("EditorTyping/") + where + "/" + size;
      benchmark::RegisterBenchmark(name.c_str(), TypeInEditor, &Corpus(size),
                                   std::string(where), ScriptLanguage::kPage)
          ->Unit(benchmark::kMicrosecond)
          ->Iterations(300);
      benchmark::RegisterBenchmark(
          (std::string("EditorLine/") + where + "/" + size).c_str(),
          ColourCaretLine, &Corpus(size), std::string(where))
          ->Unit(benchmark::kMicrosecond)
          ->MinTime(0.3);
    }
  }
}

void ReleaseEditors() { Hosts().clear(); }

}  // namespace quillory::bench
