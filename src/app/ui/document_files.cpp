#include "app/ui/document_files.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "app/atomic_write.h"
#include "app/document_line_ends.h"
#include "app/file_commands.h"
#include "app/file_filters.h"
#include "app/list_file.h"
#include "app/recent_files.h"
#include "app/text_util.h"
#include "app/ui/document_tabs.h"
#include "app/ui/kind_icons.h"
#include "app/ui/main_window.h"
#include "app/ui/modified_marker.h"
#include "app/ui/pending_events.h"
#include "app/ui/recovery_keeper.h"
#include "editor/ui/editor.h"
#include "platform/dialogs.h"
#include "projects/project_file.h"

namespace quillory {

DocumentFiles::DocumentFiles(MainWindow& window, Dialogs& dialogs)
    : window_(window), dialogs_(dialogs) {}

void DocumentFiles::OpenFile(const std::string& file_name, bool add_to_recent) {
  if (IsListFileName(file_name)) {
    OpenList(file_name, add_to_recent);
    return;
  }
  const std::optional<FileSurvey> survey = SurveyFile(file_name);
  if (!survey) {
    dialogs_.ShowMessage(std::string(kFileMissingMessage), MessageIcon::kError);
    return;
  }
  // Told before anything is asked about the file, which could not open.
  if (!HasRoom()) return;
  const std::optional<std::string> question =
      LongLineQuestion(file_name, survey->longest_line);
  if (question &&
      dialogs_.AskYesNo(*question, MessageIcon::kWarning) == Answer::kNo) {
    return;
  }
  OpenDocument(file_name, *survey, add_to_recent);
}

void DocumentFiles::OpenList(const std::string& file_name, bool add_to_recent) {
  if (!lists_in_progress_.insert(file_name).second) return;
  for (const std::string& entry : ReadListFile(file_name)) {
    OpenFile(entry, false);
  }
  lists_in_progress_.erase(file_name);
  if (add_to_recent) Remember(file_name);
  current_list_file_ = file_name;
}

void DocumentFiles::OpenDocument(const std::string& file_name,
                                 const FileSurvey& survey, bool add_to_recent) {
  // The bytes go from the file into the editor a piece at a time, so a
  // large file is never held twice.
  const int slot = LoadIntoNewTab(
      std::string(FileNameOfPath(file_name)), file_name, survey.line_ends,
      [&](Editor& rich) {
        rich.StartBytes(static_cast<size_t>(survey.editing_size),
                        survey.valid_utf8);
        const bool read = ReadForEditing(
            file_name, survey.line_ends,
            [&rich](std::string_view piece) { rich.AppendBytes(piece); });
        rich.EndBytes();
        return read;
      });
  if (slot == kUnreadable) {
    dialogs_.ShowMessage(std::string(kFileMissingMessage), MessageIcon::kError);
  }
  if (slot < 0) return;
  if (add_to_recent) Remember(file_name);
  window_.Tabs().At(slot).saved = true;
  window_.Tabs().SetIcon(slot, IconForFile(file_name));
  window_.SetStatus(kOpenedStatus);
  window_.ShowPathCaption(slot);
}

bool DocumentFiles::Reopen(const RecoveredText& text) {
  if (!HasRoom()) return false;
  const int slot = LoadHeldText(text.caption, text.file_path, text.bytes);
  if (slot < 0) return false;
  DocumentTabs& tabs = window_.Tabs();
  tabs.At(slot).saved = false;
  if (!text.file_path.empty()) tabs.SetIcon(slot, IconForFile(text.file_path));
  tabs.SetIcon(slot, WithModifiedMarker(tabs.Icon(slot)));
  window_.SetStatus("");
  window_.ShowPathCaption(slot);
  window_.Recovery().KeepActive();
  return true;
}

int DocumentFiles::LoadHeldText(const std::string& caption,
                                const std::string& file_path,
                                std::string bytes) {
  HeldText held = HoldForEditing(std::move(bytes));
  return LoadIntoNewTab(caption, file_path, held.line_ends,
                        [&held](Editor& rich) {
                          rich.SetBytes(held.text);
                          held.text = std::string();  // the editor has its own
                          return true;
                        });
}

// Fills a new tab as a file load does, with an empty undo history; -1 when
// no slot is free, kUnreadable (and no tab) when `fill` fails.
int DocumentFiles::LoadIntoNewTab(const std::string& caption,
                                  const std::string& file_path,
                                  LineEnds line_ends,
                                  const std::function<bool(Editor&)>& fill) {
  const int slot = window_.NewTab(caption);
  if (slot < 0) return slot;
  Document& document = window_.Tabs().At(slot);
  document.file_path = file_path;
  document.line_ends = line_ends;

  const LangTable& lang = window_.Lang();
  window_.SetStatus(LoadingStatus(lang));
  {
    ScopedFlag parsing(window_.Guards().parsing_now);
    if (!fill(*window_.ActiveEditor())) {
      // Part of a file is not the file: saving it would cut the file short.
      CloseActive();
      return kUnreadable;
    }
    window_.ColourWholeText();
    window_.SetStatus(LoadedStatus(lang));
    LetPendingEventsRun();
  }
  window_.Tabs().History(slot).TakeBase();
  return slot;
}

// The text goes in as a load does, without a snapshot, so the history
// starts empty; the document is new, so it is not saved.
void DocumentFiles::NewDocument(const std::string& caption, std::string text,
                                const QIcon& icon) {
  if (!HasRoom()) return;
  const int slot = window_.NewTab(caption);
  if (slot < 0) return;
  {
    ScopedFlag parsing(window_.Guards().parsing_now);
    window_.ActiveEditor()->SetBytes(text);
    window_.ColourWholeText();
  }
  window_.Tabs().At(slot).saved = false;
  window_.Tabs().History(slot).TakeBase();
  window_.Tabs().SetIcon(slot, icon);
  window_.ShowPathCaption(slot);
}

void DocumentFiles::Open() {
  const std::optional<std::string> chosen =
      dialogs_.ChooseFileToOpen(OpenFileFilters(window_.Lang()));
  if (!chosen) return;
  window_.SetStatus("");
  OpenFile(*chosen, true);
}

void DocumentFiles::OpenRecent(int k) {
  OpenFile(window_.CurrentSettings().last_opened.at(k), false);
}

void DocumentFiles::Save() { SaveActive(); }

void DocumentFiles::SaveAs() { SaveActiveAs(); }

DocumentFiles::SaveOutcome DocumentFiles::SaveActive() {
  const int slot = window_.Tabs().ActiveSlot();
  if (slot < 0) return SaveOutcome::kCancelled;
  Document& document = window_.Tabs().At(slot);
  if (SaveRouteFor(document) == SaveRoute::kAskForName) return SaveActiveAs();
  if (!WriteActive(document.file_path)) return SaveOutcome::kFailed;
  window_.Tabs().SetIcon(slot, IconForFile(document.file_path));
  document.saved = true;
  window_.Recovery().Forget(slot);
  return SaveOutcome::kSaved;
}

// A file that could not be written under the new name is neither
// remembered nor given to the document.
DocumentFiles::SaveOutcome DocumentFiles::SaveActiveAs() {
  const int slot = window_.Tabs().ActiveSlot();
  if (slot < 0) return SaveOutcome::kCancelled;
  window_.SetStatus(kSaveAsStatus);
  const std::optional<std::string> chosen = dialogs_.ChooseFileToSave(
      SaveAsFileFilters(window_.Tabs().Caption(slot), window_.Lang()));
  SaveOutcome outcome = SaveOutcome::kCancelled;
  if (chosen) {
    outcome = WriteActive(*chosen) ? SaveOutcome::kSaved : SaveOutcome::kFailed;
  }
  if (outcome == SaveOutcome::kSaved) {
    Remember(*chosen);
    Document& document = window_.Tabs().At(slot);
    document.file_path = *chosen;
    document.saved = true;
    window_.Tabs().SetCaption(slot, std::string(FileNameOfPath(*chosen)));
    window_.Tabs().SetIcon(slot, IconForFile(*chosen));
    window_.Recovery().Forget(slot);
  }
  window_.SetStatus("");
  return outcome;
}

bool DocumentFiles::WriteActive(const std::string& path) {
  const Document& document = window_.Tabs().At(window_.Tabs().ActiveSlot());
  return Written(WriteTextFile(
      path, BytesToStore(window_.ActiveEditor()->Bytes(), document.line_ends),
      WriteMode::kReplace));
}

void DocumentFiles::SaveAll() {
  const int remembered = window_.Tabs().ActiveSlot();
  ForEachOpenDocument([this] { SaveActive(); });
  if (window_.Tabs().InUse(remembered)) window_.Tabs().Activate(remembered);
}

// Answering Yes and then cancelling the name closes without saving, as
// the user chose; a save that fails keeps the document open instead, so
// no text is lost.
void DocumentFiles::Close() {
  const int slot = window_.Tabs().ActiveSlot();
  if (slot < 0) return;
  const std::optional<std::string> question =
      CloseQuestion(window_.Tabs().At(slot), window_.Lang());
  if (question &&
      dialogs_.AskYesNo(*question, MessageIcon::kWarning) == Answer::kYes &&
      SaveActive() == SaveOutcome::kFailed) {
    return;
  }
  CloseActive();
}

void DocumentFiles::CloseActive() {
  DocumentTabs& tabs = window_.Tabs();
  const int slot = tabs.ActiveSlot();
  window_.SetStatus("");
  window_.Recovery().Forget(slot);
  tabs.FreeSlot(slot);
  window_.Relayout();
}

void DocumentFiles::CloseAll() {
  ForEachOpenDocument([this] { Close(); });
}

WriteResult DocumentFiles::SaveSession(const std::string& file_name) {
  std::vector<std::string> paths;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (window_.Tabs().InUse(slot)) {
      paths.push_back(window_.Tabs().At(slot).file_path);
    }
  }
  return WriteTextFile(file_name, ListFileText(paths), WriteMode::kReplace);
}

void DocumentFiles::SaveLastSession() {
  const std::string& folder = window_.Environment().user_folder;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  static_cast<void>(SaveSession(folder + std::string(kLastSessionFile)));
}

// A save dialog, where an open dialog would refuse a name not yet taken;
// the name is used as typed, without an extension added.
void DocumentFiles::SaveSessionAs() {
  const std::optional<std::string> chosen =
      dialogs_.ChooseFileToSave(ListFileFilters(window_.Lang()));
  if (!chosen) return;
  window_.SetStatus("");
  Written(SaveSession(*chosen));
}

void DocumentFiles::AddToProject() {
  const LangTable& lang = window_.Lang();
  if (current_list_file_.empty()) {
    dialogs_.ShowMessage(WithLineBreaks(lang.EntryOr(kNoProjectText, "")),
                         MessageIcon::kNone);
    return;
  }
  const std::string& path =
      window_.Tabs().At(window_.Tabs().ActiveSlot()).file_path;
  if (path.empty()) {
    dialogs_.ShowMessage(lang.EntryOr(kNoFilePathText, ""), MessageIcon::kNone);
    return;
  }
  Written(WriteTextFile(current_list_file_, ProjectAppendix(path),
                        WriteMode::kAppend));
}

// Told rather than seeing nothing happen.
bool DocumentFiles::HasRoom() {
  if (!window_.Tabs().Free().Empty()) return true;
  dialogs_.ShowMessage(
      window_.Captions().FindOr("DocumentLimit", kDocumentLimitMessage),
      MessageIcon::kInformation);
  return false;
}

bool DocumentFiles::Written(const WriteResult& result) {
  if (!result.Succeeded()) {
    dialogs_.ShowMessage(result.error, MessageIcon::kError);
  }
  return result.Succeeded();
}

void DocumentFiles::Remember(const std::string& file_name) {
  AddRecent(file_name, window_.CurrentSettings());
  window_.RebuildRecentMenu();
}

// Visits the tabs in slot order, each made active first, so a command that
// asks something shows the document it asks about.
template <typename Command>
void DocumentFiles::ForEachOpenDocument(Command command) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!window_.Tabs().InUse(slot)) continue;
    window_.Tabs().Activate(slot);
    LetPendingEventsRun();
    command();
  }
}

}  // namespace quillory
