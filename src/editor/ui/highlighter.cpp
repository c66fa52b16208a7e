#include "editor/ui/highlighter.h"

#include <QEvent>
#include <QPalette>
#include <algorithm>

#include "editor/colour_table.h"
#include "editor/run_styles.h"
#include "editor/sliced_colouring.h"
#include "editor/ui/editor.h"
#include "editor/ui/editor_view.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

// A first screen of longer lines than this is not worth colouring twice.
constexpr int64_t kFirstScreenLimit = int64_t{1} << 16;

// The editor's text piece by piece. Asking for it as one block would join
// the halves of the control's gap buffer, which costs time in proportion
// to the text on every keystroke. Colouring never changes the text, so its
// length is asked for once, not once a line.
// NOTE: the colourers read a line at a time, and asking the control for
// each costs more than lexing a short line; so a read holds all the bytes
// up to the gap or the text's end, which cost no more to point at, and
// answers later reads inside them. A read across the gap moves it, as it
// would have anyway, which leaves the rest of the text in one piece.
class EditorText final : public TextSource {
 public:
  explicit EditorText(Editor& rich) : rich_(rich), length_(rich.Length()) {}

  int64_t Length() const override { return length_; }
  std::string_view Bytes(TextRange range) override {
    if (range.empty()) return {};
    if (range.first < held_first_ || range.last > HeldLast()) Hold(range);
    return held_.substr(static_cast<size_t>(range.first - held_first_),
                        static_cast<size_t>(range.last - range.first + 1));
  }

 private:
  int64_t HeldLast() const {
    return held_first_ + static_cast<int64_t>(held_.size()) - 1;
  }

  void Hold(TextRange range) {
    const int start = static_cast<int>(range.first - 1);
    held_first_ = range.first;
    held_ = rich_.PeekFrom(start);
    if (range.last > HeldLast()) {
      rich_.PeekRange(start, static_cast<int>(range.last));
      held_ = rich_.PeekFrom(start);
    }
  }

  Editor& rich_;
  const int64_t length_;
  int64_t held_first_ = 1;
  std::string_view held_;
};

class EditorStyles final : public StyleStore {
 public:
  explicit EditorStyles(Editor& rich) : rich_(rich) {}

  uint8_t StyleAt(int64_t position) override {
    return static_cast<uint8_t>(rich_.StyleAt(static_cast<int>(position - 1)));
  }
  void SetStyles(int64_t first, std::span<const uint8_t> styles) override {
    rich_.SetStyles(
        static_cast<int>(first - 1),
        {reinterpret_cast<const char*>(styles.data()), styles.size()});
  }

 private:
  Editor& rich_;
};

// A typed key in a style sheet or script colours the caret's line as the
// control counts lines, not the pass's range between two CR LF, which a
// text without them (binary bytes, lone LF) stretches to its ends.
TextRange ScriptRange(TextSource& text, ScriptLanguage language,
                      int64_t sel_start, int64_t s_line, int64_t e_line) {
  const bool own = language == ScriptLanguage::kScript ||
                   language == ScriptLanguage::kStyleSheet;
  if (!own || s_line != kFromCaret || e_line != kFromCaret ||
      text.Length() == 0) {
    return ResolveColouringRange(text, sel_start, s_line, e_line);
  }
  const int64_t at = std::clamp<int64_t>(sel_start, 1, text.Length());
  return {at, at};
}

// The last position of the first screen of a long page shown from its
// start, worth colouring on its own first; 0 for any other text. Not a
// style sheet or script: coloured up to a line, it would go on to its end,
// its later lines holding no state yet.
int64_t FirstScreenEnd(Editor& rich, ScriptLanguage language) {
  if (language == ScriptLanguage::kScript ||
      language == ScriptLanguage::kStyleSheet ||
      rich.Length() <= kColouringSlice || !rich.isVisible() ||
      rich.FirstVisibleLine() != 0) {
    return 0;
  }
  const long lines = rich.SendScintilla(Sci::SCI_LINESONSCREEN);
  const int64_t end = rich.SendScintilla(Sci::SCI_GETLINEENDPOSITION, lines);
  return end < kFirstScreenLimit ? end : 0;
}

}  // namespace

HtmlParse::HtmlParse(EditingGuards& guards, QObject* parent)
    : QObject(parent), guards_(guards) {}

void HtmlParse::SethWnd(Editor* rich) {
  rich_ = rich;
  ShowPalette();
  rich->installEventFilter(this);
  connect(rich,
          qOverload<int, int, const char*, int, int, int, int, int, int, int>(
              &QsciScintillaBase::SCN_MODIFIED),
          this,
          [this](int position, int type, const char*, int length, int, int, int,
                 int, int, int) { OnModified(position, type, length); });
}

size_t HtmlParse::Initialize(const std::string& php_lng_path) {
  colourer_ = HtmlColourer(LoadPhpKeywords(php_lng_path));
  return colourer_.keywords().words().size();
}

void HtmlParse::SetScriptLanguage(std::function<ScriptLanguage()> language) {
  script_language_ = std::move(language);
}

// The desktop's palette decides between the light and the dark colours,
// and changes while the program runs.
bool HtmlParse::eventFilter(QObject* watched, QEvent* event) {
  if (watched == rich_ && (event->type() == QEvent::PaletteChange ||
                           event->type() == QEvent::ApplicationPaletteChange)) {
    ShowPalette();
  }
  return QObject::eventFilter(watched, event);
}

void HtmlParse::ShowPalette() {
  const QColor base = rich_->palette().color(QPalette::Base);
  const EditorPalette palette =
      PaletteForBackground(base.red() | base.green() << 8 | base.blue() << 16);
  const EditorChrome chrome = ChromeOf(palette);
  for (int style = 0; style <= Sci::STYLE_MAX; ++style) {
    const StyleLook look = LookOfStyle(style, palette);
    rich_->SendScintilla(Sci::SCI_STYLESETFORE, style,
                         static_cast<long>(look.colour));
    rich_->SendScintilla(Sci::SCI_STYLESETBACK, style,
                         static_cast<long>(chrome.background));
    if (style < Sci::STYLE_DEFAULT || style > Sci::STYLE_LASTPREDEFINED) {
      rich_->SendScintilla(Sci::SCI_STYLESETBOLD, style, look.bold);
    }
  }
  rich_->SendScintilla(Sci::SCI_SETCARETFORE, static_cast<long>(chrome.caret));
  rich_->SendScintilla(Sci::SCI_SETCARETLINEBACK,
                       static_cast<long>(chrome.current_line));
  UseDesktopSelectionColours(*rich_);
}

void HtmlParse::ParseCodeFromRich(Editor& rich) {
  const int caret = rich.SelectionStart();
  Request(rich, caret, kFromCaret, kFromCaret, caret);
}

void HtmlParse::SetForParsing(Editor& rich, int64_t s_line, int64_t e_line) {
  const int caret = rich.SelectionStart();
  Request(rich, caret + 1, s_line, e_line, caret);
}

ScriptLanguage HtmlParse::Language() const {
  return script_language_ ? script_language_() : ScriptLanguage::kNone;
}

void HtmlParse::ColourWholeText(Editor& rich,
                                const std::function<void()>& show) {
  if (const int64_t screen_end = FirstScreenEnd(rich, Language());
      screen_end > 0) {
    SetForParsing(rich, 1, screen_end);
    show();
  }
  SetForParsing(rich, 1, rich.Length());
}

void HtmlParse::Request(Editor& rich, int64_t sel_start, int64_t s_line,
                        int64_t e_line, int caret) {
  const ScopedFlag parsing(guards_.parsing_now);
  const int first_visible = rich.FirstVisibleLine();
  EditorText text(rich);
  // NOTE: the caret goes back before the styles change. Placing it lays
  // out the caret's line to scroll it into view; the edit has just laid
  // that line out, and new styles would make the control lay it out once
  // more. Styles never move the caret, and bold keeps the width of every
  // character, so the order changes nothing else.
  rich.Select(caret, caret);
  EditorStyles styles(rich);
  // Only the bound editor reports its changes, so only its index is kept.
  if (&rich != rich_) {
    WriteRuns(colourer_.Colour(text.All(), sel_start, s_line, e_line), styles,
              styles_);
  } else {
    ColourBound(rich, text, styles, sel_start, s_line, e_line);
  }
  // Colouring a line needs little of what a whole large text did.
  if (e_line - s_line > kColouringSlice) {
    colourer_.FreeMemory();
    scripts_.FreeMemory();
    styles_ = std::vector<uint8_t>();
  }
  rich.ScrollLines(first_visible - rich.FirstVisibleLine());
}

// NOTE: a style sheet or script colours every byte itself, so the
// colouring pass would be thrown away; a page gets the pass first and its
// elements' contents over it.
void HtmlParse::ColourBound(Editor& rich, TextSource& text, StyleStore& styles,
                            int64_t sel_start, int64_t s_line, int64_t e_line) {
  const PhpBlockIndex& index = IndexFor(rich, text);
  const ScriptLanguage language = Language();
  if (language != ScriptLanguage::kNone) {
    scripts_.Prepare(text, styles,
                     ScriptRange(text, language, sel_start, s_line, e_line));
  }
  if (language == ScriptLanguage::kNone || language == ScriptLanguage::kPage) {
    ColourInSlices(colourer_, text, index, sel_start, s_line, e_line, styles,
                   styles_);
  }
  if (language == ScriptLanguage::kNone) return;
  scripts_.Colour(text, styles, language, [&](TextRange markup) {
    ColourInSlices(colourer_, text, index, sel_start, markup.first, markup.last,
                   styles, styles_);
  });
}

// A single edit (or a deletion and an insertion at one place, as replacing
// the selection makes) moves the index along; anything else rebuilds it,
// which costs one scan of the text.
const PhpBlockIndex& HtmlParse::IndexFor(Editor& rich, TextSource& text) {
  void* document = rich.CurrentDocument();
  const bool same_document = std::all_of(
      pending_.begin(), pending_.end(),
      [document](const Edit& edit) { return edit.document == document; });
  const bool merged = pending_.size() == 2 && pending_[0].inserted == 0 &&
                      pending_[1].removed == 0 &&
                      pending_[0].offset == pending_[1].offset;
  if (document != indexed_document_ || !same_document || pending_.size() > 2 ||
      (pending_.size() == 2 && !merged)) {
    index_ = PhpBlockIndex(text.All());
  } else if (!pending_.empty()) {
    const Edit& last = pending_.back();
    index_.Update(text, pending_[0].offset, pending_[0].removed, last.inserted);
  }
  pending_.clear();
  indexed_document_ = document;
  return index_;
}

void HtmlParse::OnModified(int position, int type, int length) {
  // Three edits already mean a rebuild; more need not be remembered.
  if (pending_.size() > 2) return;
  void* document = rich_->CurrentDocument();
  if (type & Sci::SC_MOD_BEFOREINSERT) {
    pending_.push_back({document, position, 0, length});
  }
  if (type & Sci::SC_MOD_BEFOREDELETE) {
    pending_.push_back({document, position, length, 0});
  }
}

}  // namespace quillory
