#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_for_editing.h"
#include "app/recovery_store.h"
#include "base/atomic_write.h"
#include "base/document_line_ends.h"
#include "platform/dialogs.h"
class QIcon;

namespace quillory {

class DiskWatch;
class DocumentTabs;
class Editor;
class LangTable;
class NamedCaptions;
class RecoveryKeeper;
struct EditingGuards;
struct Settings;

// What moving documents between files and tabs needs of the main window;
// all of it outlives DocumentFiles.
struct DocumentFilesHost {
  DocumentTabs& tabs;
  Editor& rich;  // shows the active document
  RecoveryKeeper& recovery;
  EditingGuards& guards;
  Dialogs& dialogs;
  Settings& settings;  // its recent files change
  const LangTable& lang;
  const NamedCaptions& captions;
  std::string user_folder;  // ends in "/"
  // A new active tab with the window laid out for it; -1 when all ten
  // slots are taken.
  std::function<int(const std::string& caption)> new_tab;
  std::function<void(std::string_view)> set_status;
  // Shows the file path of the document in `slot` on its tab and in the
  // window.
  std::function<void(int slot)> show_path_caption;
  // Colours the whole text of the active document after it was loaded.
  std::function<void()> colour_whole_text;
  // After the recent files in the settings changed.
  std::function<void()> rebuild_recent_menu;
  // Lays the window out again after a tab was freed.
  std::function<void()> relayout;
  // Hears of every file read or written for a document.
  DiskWatch& disk;
};

// Moves documents between files and tabs: opening (list files too),
// saving, saving under a new name and closing. A save that fails says so
// and leaves the document unsaved and the file on disk as it was.
class DocumentFiles {
 public:
  explicit DocumentFiles(DocumentFilesHost host);

  // Opens `file_name` into a new tab, or every file a ".qlp" list names.
  void OpenFile(const std::string& file_name, bool add_to_recent);
  // An untitled, unsaved document holding `text` with an empty undo
  // history; with all ten slots taken, says so instead.
  void NewDocument(const std::string& caption, std::string text,
                   const QIcon& icon);
  // A recovered document, unsaved and kept in the recovery store at once:
  // in the tab of its file when one holds the file unchanged, else in a
  // new tab under its caption and path; false, with the user told, when
  // all ten slots are taken.
  bool Reopen(const RecoveredText& text);
  // Reads the active document's file again as an unchanged document with
  // a new history, the caret at the start of the line it was on; when the
  // file cannot be read, says so and keeps the document as it is.
  void ReloadActive();
  // The list file opened or the project saved last; empty until then. It
  // is the project that AddToProject extends.
  const std::string& CurrentListFile() const { return current_list_file_; }
  void SetCurrentListFile(const std::string& path) {
    current_list_file_ = path;
  }

  // Writes the paths of the open documents that have files, in slot order,
  // as a list file.
  // At exit, into the per-user folder (made when missing); a failure keeps
  // the old session and says nothing.
  void SaveLastSession();

  // Commands.
  void Open();
  void OpenRecent(int k);
  void Save();
  void SaveAs();
  void SaveAll();
  void Close();
  void CloseAll();
  void SaveSessionAs();
  void AddToProject();

 private:
  enum class SaveOutcome { kSaved, kCancelled, kFailed };

  void OpenList(const std::string& file_name, bool add_to_recent);
  static constexpr int kUnreadable = -2;

  void OpenDocument(const std::string& file_name, const FileSurvey& survey,
                    bool add_to_recent);
  int LoadHeldText(const std::string& caption, const std::string& file_path,
                   std::string bytes);
  int UnchangedTabOf(const std::string& file_path) const;
  void ReplaceHeldText(int slot, std::string bytes);
  // Puts `text` into the active document `slot` without a snapshot.
  void FillActive(int slot, const std::string& text);
  int LoadIntoNewTab(const std::string& caption, const std::string& file_path,
                     LineEnds line_ends,
                     const std::function<bool(Editor&)>& fill);
  SaveOutcome SaveActive();
  SaveOutcome SaveActiveAs();
  bool WriteActive(const std::string& path);
  WriteResult SaveSession(const std::string& file_name);
  void CloseActive();
  // Closes the active document unless the user keeps it; false when kept.
  bool CloseAsked();
  ChangesButtons CloseButtons() const;
  // Says there is no free slot, or notes it when a list is opening.
  bool HasRoom();
  void TellNoRoom();
  // Says `file_name` cannot be opened, or notes it when a list is opening.
  void TellMissing(const std::string& file_name);
  void TellListFailures();
  // Shows why a write failed; true when it succeeded.
  bool Written(const WriteResult& result);
  void Remember(const std::string& file_name);
  template <typename Command>
  void ForEachOpenDocument(Command command);

  DocumentFilesHost host_;
  std::string current_list_file_;
  // List files being opened, so a list that names itself (or a loop of
  // lists) is opened once instead of forever. Files chosen together are
  // among them under kChosenFiles, a name no list file has.
  std::set<std::string> lists_in_progress_;
  static constexpr const char* kChosenFiles = "";
  // Where the open chooser was last used; ends in "/", or empty.
  std::string last_folder_;
  // What the lists in progress could not open, told when the first ends.
  struct ListFailures {
    std::vector<std::string> missing;
    bool no_room = false;
  };
  ListFailures list_failures_;
};

}  // namespace quillory
