#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/disk_change.h"
#include "app/document_slots.h"

namespace quillory {

class Dialogs;
class DocumentTabs;
class NamedCaptions;

// What watching the documents' files needs of the main window; all of it
// outlives the watch.
struct DiskWatchHost {
  DocumentTabs& tabs;
  Dialogs& dialogs;
  const NamedCaptions& captions;
  // Reads the active document's file again, keeping the caret's line.
  std::function<void()> reload_active;
  // Marks the active document unsaved and keeps its text safe, since its
  // file no longer holds it.
  std::function<void()> keep_active;
  // True while no question may be put (a tool holds the documents).
  std::function<bool()> busy;
};

// Notices when another program changes, replaces or removes the file of an
// open document, and says so once that document's tab is shown: one
// question (or message) per document and change, however many
// notifications a change makes. Costs nothing while the files rest: the
// system tells of changes, nothing is polled. Never writes a file and
// never changes a document itself.
class DiskWatch : public QObject {
  Q_OBJECT

 public:
  DiskWatch(DiskWatchHost host, QObject* parent = nullptr);

  // The document in `slot` holds its file as `stamp` found it: after the
  // file was read (the stamp taken before reading) or written here.
  void Track(int slot, const DiskStamp& stamp);
  // Before a save writes the document in `slot` over its file: false when
  // the file changed since it was read and the user chose not to replace
  // it.
  bool MayOverwrite(int slot);

 private:
  struct Watched {
    std::string path;
    DiskStamp read;  // as the document's text came from or went to disk
    DiskStamp seen;  // as last told to the user, or `read`
  };

  bool Current(int slot) const;
  void CheckSoon();
  void Check();
  void Rearm();
  void AskAbout(int slot);
  void Tell(int slot, DiskNotice notice);

  DiskWatchHost host_;
  std::array<std::optional<Watched>, kSlotCount> watched_;
  QFileSystemWatcher watcher_;
  // Gathers the notifications of one change (or of a checkout of many
  // files) into one look at the files.
  QTimer settle_;
  bool asking_ = false;
};

}  // namespace quillory
