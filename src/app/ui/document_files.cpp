#include "app/ui/document_files.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "app/disk_change.h"
#include "app/file_commands.h"
#include "app/list_file.h"
#include "app/recent_files.h"
#include "app/ui/disk_watch.h"
#include "app/ui/document_tabs.h"
#include "app/ui/modified_marker.h"
#include "app/ui/pending_events.h"
#include "app/ui/recovery_keeper.h"
#include "base/atomic_write.h"
#include "base/document_line_ends.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/settings.h"
#include "base/text_util.h"
#include "base/ui/kind_icons.h"
#include "editor/editing_guards.h"
#include "editor/ui/editor.h"
#include "platform/dialogs.h"
#include "platform/file_filters.h"
#include "projects/project_file.h"

namespace quillory {

DocumentFiles::DocumentFiles(DocumentFilesHost host) : host_(std::move(host)) {}

void DocumentFiles::OpenFile(const std::string& file_name, bool add_to_recent) {
  if (IsListFileName(file_name)) {
    OpenList(file_name, add_to_recent);
    return;
  }
  const std::optional<FileSurvey> survey = SurveyFile(file_name);
  if (!survey) {
    TellMissing(file_name);
    return;
  }
  // Told before anything is asked about the file, which could not open.
  if (!HasRoom()) return;
  const std::optional<std::string> question =
      LongLineQuestion(file_name, survey->longest_line);
  if (question &&
      host_.dialogs.AskYesNo(*question, MessageIcon::kWarning) == Answer::kNo) {
    return;
  }
  OpenDocument(file_name, *survey, add_to_recent);
}

// What the list (and the lists it names) could not open is told once at
// the end, so a list of thousands of names asks for one answer, not one
// each.
void DocumentFiles::OpenList(const std::string& file_name, bool add_to_recent) {
  if (!lists_in_progress_.insert(file_name).second) return;
  for (const std::string& entry : ReadListFile(file_name)) {
    OpenFile(entry, false);
  }
  lists_in_progress_.erase(file_name);
  if (lists_in_progress_.empty()) TellListFailures();
  if (add_to_recent) Remember(file_name);
  current_list_file_ = file_name;
}

void DocumentFiles::TellListFailures() {
  ListFailures failures = std::exchange(list_failures_, {});
  if (!failures.missing.empty()) {
    host_.dialogs.ShowMessage(
        MissingFilesMessage(failures.missing,
                            host_.captions.FindOr("MoreMissingFiles",
                                                  kMoreMissingFilesMessage)),
        MessageIcon::kError);
  }
  if (failures.no_room) TellNoRoom();
}

void DocumentFiles::TellMissing(const std::string& file_name) {
  if (!lists_in_progress_.empty()) {
    list_failures_.missing.push_back(file_name);
    return;
  }
  host_.dialogs.ShowMessage(std::string(kFileMissingMessage),
                            MessageIcon::kError);
}

void DocumentFiles::OpenDocument(const std::string& file_name,
                                 const FileSurvey& survey, bool add_to_recent) {
  // Taken before reading, so a change while the file is read is noticed.
  const DiskStamp stamp = StampOf(file_name);
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
  if (slot == kUnreadable) TellMissing(file_name);
  if (slot < 0) return;
  host_.disk.Track(slot, stamp);
  if (add_to_recent) Remember(file_name);
  host_.tabs.At(slot).saved = true;
  host_.tabs.SetIcon(slot, IconForFile(file_name));
  host_.set_status(kOpenedStatus);
  host_.show_path_caption(slot);
}

// The tab of the file is the session's, so the file is not open twice; a
// tab that is changed already (the same file open twice) is left alone.
bool DocumentFiles::Reopen(const RecoveredText& text) {
  int slot = UnchangedTabOf(text.file_path);
  if (slot >= 0) {
    ReplaceHeldText(slot, text.bytes);
  } else {
    if (!HasRoom()) return false;
    slot = LoadHeldText(text.caption, text.file_path, text.bytes);
    if (slot < 0) return false;
    host_.disk.Track(slot, StampOf(text.file_path));
  }
  DocumentTabs& tabs = host_.tabs;
  tabs.At(slot).saved = false;
  if (!text.file_path.empty()) tabs.SetIcon(slot, IconForFile(text.file_path));
  tabs.SetIcon(slot, WithModifiedMarker(tabs.Icon(slot)));
  host_.set_status("");
  host_.show_path_caption(slot);
  host_.recovery.KeepActive();
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

int DocumentFiles::UnchangedTabOf(const std::string& file_path) const {
  if (file_path.empty()) return -1;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const DocumentTabs& tabs = host_.tabs;
    if (tabs.InUse(slot) && tabs.At(slot).saved &&
        tabs.At(slot).file_path == file_path) {
      return slot;
    }
  }
  return -1;
}

void DocumentFiles::ReplaceHeldText(int slot, std::string bytes) {
  host_.tabs.Activate(slot);
  HeldText held = HoldForEditing(std::move(bytes));
  host_.tabs.At(slot).line_ends = held.line_ends;
  FillActive(slot, held.text);
}

// As a load fills a tab: no snapshot, the history starts anew.
void DocumentFiles::FillActive(int slot, const std::string& text) {
  {
    ScopedFlag parsing(host_.guards.parsing_now);
    host_.rich.SetBytes(text);
    host_.colour_whole_text();
  }
  host_.tabs.History(slot).TakeBase();
}

// Fills a new tab as a file load does, with an empty undo history; -1 when
// no slot is free, kUnreadable (and no tab) when `fill` fails.
int DocumentFiles::LoadIntoNewTab(const std::string& caption,
                                  const std::string& file_path,
                                  LineEnds line_ends,
                                  const std::function<bool(Editor&)>& fill) {
  const int slot = host_.new_tab(caption);
  if (slot < 0) return slot;
  Document& document = host_.tabs.At(slot);
  document.file_path = file_path;
  document.line_ends = line_ends;

  host_.set_status(LoadingStatus(host_.lang));
  {
    ScopedFlag parsing(host_.guards.parsing_now);
    if (!fill(host_.rich)) {
      // Part of a file is not the file: saving it would cut the file short.
      CloseActive();
      return kUnreadable;
    }
    host_.colour_whole_text();
    host_.set_status(LoadedStatus(host_.lang));
    LetPendingEventsRun();
  }
  host_.tabs.History(slot).TakeBase();
  return slot;
}

// The text goes in as a load does; the document is new, so it is not
// saved.
void DocumentFiles::NewDocument(const std::string& caption, std::string text,
                                const QIcon& icon) {
  if (!HasRoom()) return;
  const int slot = host_.new_tab(caption);
  if (slot < 0) return;
  FillActive(slot, text);
  host_.tabs.At(slot).saved = false;
  host_.tabs.SetIcon(slot, icon);
  host_.show_path_caption(slot);
}

void DocumentFiles::ReloadActive() {
  const int slot = host_.tabs.ActiveSlot();
  Document& document = host_.tabs.At(slot);
  const std::string path = document.file_path;
  const DiskStamp stamp = StampOf(path);
  // Read whole before the editor is touched, so a read that fails halfway
  // leaves the document as it was.
  std::string bytes;
  const std::optional<FileSurvey> survey = SurveyFile(path);
  if (!survey || !ReadForEditing(path, survey->line_ends,
                                 [&bytes](std::string_view piece) {
                                   bytes.append(piece);
                                 })) {
    TellMissing(path);
    return;
  }
  Editor& rich = host_.rich;
  const int line = rich.CaretLine();
  const int top = rich.FirstVisibleLine();
  document.line_ends = survey->line_ends;
  FillActive(slot, bytes);
  rich.PutCaretOnLine(line);
  rich.ScrollLines(top - rich.FirstVisibleLine());
  document.saved = true;
  host_.tabs.SetIcon(slot, IconForFile(path));
  host_.recovery.Forget(slot);
  host_.disk.Track(slot, stamp);
}

// The chooser starts where the user works: the active document's folder,
// else the folder chosen from last. What several chosen files cannot
// open is told once, as for a list.
void DocumentFiles::Open() {
  const int slot = host_.tabs.ActiveSlot();
  const std::string active_folder(
      slot >= 0 ? FolderOfPath(host_.tabs.At(slot).file_path) : "");
  const std::vector<std::string> chosen = host_.dialogs.ChooseFilesToOpen(
      OpenFileFilters(host_.lang),
      active_folder.empty() ? last_folder_ : active_folder);
  if (chosen.empty()) return;
  last_folder_ = FolderOfPath(chosen.front());
  host_.set_status("");
  lists_in_progress_.insert(kChosenFiles);
  for (const std::string& path : chosen) OpenFile(path, true);
  lists_in_progress_.erase(kChosenFiles);
  if (lists_in_progress_.empty()) TellListFailures();
}

void DocumentFiles::OpenRecent(int k) {
  OpenFile(host_.settings.last_opened.at(k), false);
}

void DocumentFiles::Save() { SaveActive(); }

void DocumentFiles::SaveAs() { SaveActiveAs(); }

DocumentFiles::SaveOutcome DocumentFiles::SaveActive() {
  const int slot = host_.tabs.ActiveSlot();
  if (slot < 0) return SaveOutcome::kCancelled;
  Document& document = host_.tabs.At(slot);
  if (SaveRouteFor(document) == SaveRoute::kAskForName) return SaveActiveAs();
  // Refusing to replace a file changed elsewhere keeps the document open.
  if (!host_.disk.MayOverwrite(slot) || !WriteActive(document.file_path)) {
    return SaveOutcome::kFailed;
  }
  // The file as written is what the document holds, so the program's own
  // write is never told as another program's change.
  host_.disk.Track(slot, StampOf(document.file_path));
  host_.tabs.SetIcon(slot, IconForFile(document.file_path));
  document.saved = true;
  host_.recovery.Forget(slot);
  return SaveOutcome::kSaved;
}

// A file that could not be written under the new name is neither
// remembered nor given to the document.
DocumentFiles::SaveOutcome DocumentFiles::SaveActiveAs() {
  const int slot = host_.tabs.ActiveSlot();
  if (slot < 0) return SaveOutcome::kCancelled;
  host_.set_status(kSaveAsStatus);
  const std::optional<std::string> chosen = host_.dialogs.ChooseFileToSave(
      SaveAsFileFilters(host_.tabs.Caption(slot), host_.lang), "");
  SaveOutcome outcome = SaveOutcome::kCancelled;
  if (chosen) {
    outcome = WriteActive(*chosen) ? SaveOutcome::kSaved : SaveOutcome::kFailed;
  }
  if (outcome == SaveOutcome::kSaved) {
    Remember(*chosen);
    Document& document = host_.tabs.At(slot);
    document.file_path = *chosen;
    host_.disk.Track(slot, StampOf(*chosen));
    document.saved = true;
    host_.tabs.SetCaption(slot, std::string(FileNameOfPath(*chosen)));
    host_.tabs.SetIcon(slot, IconForFile(*chosen));
    host_.recovery.Forget(slot);
  }
  host_.set_status("");
  return outcome;
}

bool DocumentFiles::WriteActive(const std::string& path) {
  const Document& document = host_.tabs.At(host_.tabs.ActiveSlot());
  return Written(
      WriteTextFile(path, BytesToStore(host_.rich.Bytes(), document.line_ends),
                    WriteMode::kReplace));
}

void DocumentFiles::SaveAll() {
  const int remembered = host_.tabs.ActiveSlot();
  ForEachOpenDocument([this] {
    SaveActive();
    return true;
  });
  if (host_.tabs.InUse(remembered)) host_.tabs.Activate(remembered);
}

void DocumentFiles::Close() { CloseAsked(); }

// Only Don't save lets unsaved text go: Cancel, a Save As cancelled or a
// save that fails keep the document open, so no text is lost.
bool DocumentFiles::CloseAsked() {
  const int slot = host_.tabs.ActiveSlot();
  if (slot < 0) return true;
  const std::optional<std::string> question =
      CloseQuestion(host_.tabs.At(slot), host_.tabs.Caption(slot), host_.lang);
  if (question) {
    const ChangesAnswer answer =
        host_.dialogs.AskAboutChanges(*question, CloseButtons());
    if (answer == ChangesAnswer::kCancel) return false;
    if (answer == ChangesAnswer::kSave && SaveActive() != SaveOutcome::kSaved) {
      return false;
    }
  }
  CloseActive();
  return true;
}

ChangesButtons DocumentFiles::CloseButtons() const {
  const NamedCaptions& captions = host_.captions;
  return {captions.FindOr("CloseQuestion.Save", "&Save"),
          captions.FindOr("CloseQuestion.DontSave", "Do&n't save"),
          captions.FindOr("CloseQuestion.Cancel", "Cancel")};
}

void DocumentFiles::CloseActive() {
  DocumentTabs& tabs = host_.tabs;
  const int slot = tabs.ActiveSlot();
  host_.set_status("");
  host_.recovery.Forget(slot);
  tabs.FreeSlot(slot);
  host_.relayout();
}

void DocumentFiles::CloseAll() {
  ForEachOpenDocument([this] { return CloseAsked(); });
}

WriteResult DocumentFiles::SaveSession(const std::string& file_name) {
  // A document never saved has no file to reopen; an empty line for it
  // would only be told as missing at the next start.
  std::vector<std::string> paths;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (host_.tabs.InUse(slot) && !host_.tabs.At(slot).file_path.empty()) {
      paths.push_back(host_.tabs.At(slot).file_path);
    }
  }
  return WriteTextFile(file_name, ListFileText(paths), WriteMode::kReplace);
}

void DocumentFiles::SaveLastSession() {
  const std::string& folder = host_.user_folder;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  static_cast<void>(SaveSession(folder + std::string(kLastSessionFile)));
}

// A save dialog, where an open dialog would refuse a name not yet taken.
void DocumentFiles::SaveSessionAs() {
  const std::optional<std::string> chosen = host_.dialogs.ChooseFileToSave(
      ListFileFilters(host_.lang), std::string(kListExtension));
  if (!chosen) return;
  host_.set_status("");
  Written(SaveSession(WithListExtension(*chosen)));
}

void DocumentFiles::AddToProject() {
  const LangTable& lang = host_.lang;
  if (current_list_file_.empty()) {
    host_.dialogs.ShowMessage(WithLineBreaks(lang.EntryOr(kNoProjectText, "")),
                              MessageIcon::kNone);
    return;
  }
  const std::string& path = host_.tabs.At(host_.tabs.ActiveSlot()).file_path;
  if (path.empty()) {
    host_.dialogs.ShowMessage(lang.EntryOr(kNoFilePathText, ""),
                              MessageIcon::kNone);
    return;
  }
  Written(WriteTextFile(current_list_file_, ProjectAppendix(path),
                        WriteMode::kAppend));
}

// Told rather than seeing nothing happen.
bool DocumentFiles::HasRoom() {
  if (!host_.tabs.Free().Empty()) return true;
  if (lists_in_progress_.empty()) {
    TellNoRoom();
  } else {
    list_failures_.no_room = true;
  }
  return false;
}

void DocumentFiles::TellNoRoom() {
  host_.dialogs.ShowMessage(
      host_.captions.FindOr("DocumentLimit", kDocumentLimitMessage),
      MessageIcon::kInformation);
}

bool DocumentFiles::Written(const WriteResult& result) {
  if (!result.Succeeded()) {
    host_.dialogs.ShowMessage(result.error, MessageIcon::kError);
  }
  return result.Succeeded();
}

void DocumentFiles::Remember(const std::string& file_name) {
  AddRecent(file_name, host_.settings);
  host_.rebuild_recent_menu();
}

// Visits the tabs in slot order, each made active first, so a command that
// asks something shows the document it asks about; stops where `command`
// returns false.
template <typename Command>
void DocumentFiles::ForEachOpenDocument(Command command) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!host_.tabs.InUse(slot)) continue;
    host_.tabs.Activate(slot);
    LetPendingEventsRun();
    if (!command()) return;
  }
}

}  // namespace quillory
