#include "app/ui/disk_watch.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <chrono>
#include <string_view>
#include <utility>

#include "app/ui/document_tabs.h"
#include "base/named_captions.h"
#include "base/text_util.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

using std::chrono_literals::operator""ms;

// Long enough to take a checkout of many files as one change, short enough
// to feel at once.
constexpr std::chrono::milliseconds kSettle = 150ms;

struct NoticeText {
  std::string_view name;
  std::string_view english;
  MessageIcon icon;
};

NoticeText TextOf(DiskNotice notice) {
  switch (notice) {
    case DiskNotice::kAskReload:
      return {"DiskChanged", "%1 was changed by another program. Reload it?",
              MessageIcon::kWarning};
    case DiskNotice::kAskDropChanges:
      return {"DiskChangedUnsaved",
              "%1 was changed by another program, and this document has "
              "changes that are not saved. Reload it and drop those changes?",
              MessageIcon::kWarning};
    case DiskNotice::kTellGone:
      return {"DiskGone",
              "%1 was deleted or moved by another program. The document "
              "keeps its text; save it to write the file again.",
              MessageIcon::kWarning};
    case DiskNotice::kTellNotAFile:
    case DiskNotice::kNone:
      break;
  }
  return {"DiskNotAFile",
          "%1 was replaced by something that is not a file, such as a "
          "folder. The document keeps its text; save it under another name.",
          MessageIcon::kWarning};
}

std::string WithPath(const NamedCaptions& captions, std::string_view name,
                     std::string_view english, const std::string& path) {
  return Join(Split(captions.FindOr(name, english), "%1"), path);
}

// As Qt names files, so a name that is not UTF-8 is watched too.
QString Watchable(const std::string& path) {
  return QFile::decodeName(path.c_str());
}

}  // namespace

DiskWatch::DiskWatch(DiskWatchHost host, QObject* parent)
    : QObject(parent), host_(std::move(host)) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettle);
  connect(&settle_, &QTimer::timeout, this, &DiskWatch::Check);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this,
          &DiskWatch::CheckSoon);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
          &DiskWatch::CheckSoon);
  // A change noticed while another tab was shown is told when its tab is.
  connect(&host_.tabs, &DocumentTabs::Switched, this, &DiskWatch::CheckSoon);
}

void DiskWatch::Track(int slot, const DiskStamp& stamp) {
  watched_.at(slot) = Watched{host_.tabs.At(slot).file_path, stamp, stamp};
  Rearm();
}

bool DiskWatch::MayOverwrite(int slot) {
  if (!Current(slot)) return true;
  Watched& watched = *watched_[slot];
  const DiskStamp now = StampOf(watched.path);
  if (ChangeBetween(watched.read, now) != DiskChange::kChanged) return true;
  asking_ = true;
  const Answer answer = host_.dialogs.AskYesNo(
      WithPath(host_.captions, "DiskSaveOver",
               "%1 was changed by another program since it was read here. "
               "Save over it?",
               watched.path),
      MessageIcon::kWarning);
  asking_ = false;
  watched.seen = now;
  return answer == Answer::kYes;
}

bool DiskWatch::Current(int slot) const {
  return watched_.at(slot) && host_.tabs.InUse(slot) &&
         host_.tabs.At(slot).file_path == watched_[slot]->path;
}

// NOTE: started, never restarted, so a file that changes without pause
// (a log) is still looked at every kSettle.
void DiskWatch::CheckSoon() {
  if (!settle_.isActive()) settle_.start();
}

// Only the shown document is asked about; the others wait for their tabs.
void DiskWatch::Check() {
  Rearm();
  const int active = host_.tabs.ActiveSlot();
  if (active >= 0 && Current(active)) AskAbout(active);
}

// A file replaced by renaming another over it (as every save here does)
// loses its watch with its old inode, so the watch is set again on what
// now has the name; a file removed and made anew is seen through its
// folder. Watches of closed documents go.
void DiskWatch::Rearm() {
  QStringList wanted;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!Current(slot)) {
      watched_[slot].reset();
      continue;
    }
    const std::string& path = watched_[slot]->path;
    const QString name = Watchable(path);
    wanted << name << QFileInfo(name).absolutePath();
  }
  wanted.removeDuplicates();
  QStringList gone = watcher_.files() + watcher_.directories();
  for (const QString& path : wanted) {
    if (!gone.removeOne(path)) watcher_.addPath(path);
  }
  if (!gone.isEmpty()) watcher_.removePaths(gone);
}

// While a question or a tool holds the window, the question waits.
void DiskWatch::AskAbout(int slot) {
  Watched& watched = *watched_[slot];
  const DiskNotice notice =
      NoticeFor(ChangeBetween(watched.seen, StampOf(watched.path)),
                host_.tabs.At(slot).saved);
  if (notice == DiskNotice::kNone) return;
  if (asking_ || host_.busy() || QApplication::activeModalWidget()) {
    CheckSoon();
    return;
  }
  asking_ = true;
  Tell(slot, notice);
  asking_ = false;
  // What changed while the question was open was answered with it.
  if (Current(slot)) watched_[slot]->seen = StampOf(watched_[slot]->path);
}

void DiskWatch::Tell(int slot, DiskNotice notice) {
  const NoticeText text = TextOf(notice);
  const std::string shown =
      WithPath(host_.captions, text.name, text.english, watched_[slot]->path);
  switch (notice) {
    case DiskNotice::kAskReload:
    case DiskNotice::kAskDropChanges:
      if (host_.dialogs.AskYesNo(shown, text.icon) == Answer::kYes) {
        host_.reload_active();
      }
      return;
    case DiskNotice::kTellGone:
    case DiskNotice::kTellNotAFile:
      host_.keep_active();
      host_.dialogs.ShowMessage(shown, text.icon);
      return;
    case DiskNotice::kNone:
      return;
  }
}

}  // namespace quillory
