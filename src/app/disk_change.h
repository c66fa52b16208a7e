#pragma once

#include <cstdint>
#include <string>

namespace quillory {

// What the file at a path was at one moment: enough to tell later whether
// another program changed, replaced or removed it. Symbolic links are
// followed, as reading and writing follow them.
struct DiskStamp {
  enum class Kind { kMissing, kFile, kNotAFile };
  Kind kind = Kind::kMissing;
  // Only a file has these; they stay 0 for anything else.
  int64_t size = 0;
  int64_t modified_ns = 0;
  uint64_t device = 0;
  uint64_t inode = 0;

  friend bool operator==(const DiskStamp&, const DiskStamp&) = default;
};

DiskStamp StampOf(const std::string& path);

enum class DiskChange { kNone, kChanged, kGone, kNotAFile };

// How the file went from `before` to `now`. A file put in the place of
// another (a new inode, as an atomic replace or a checkout makes) is a
// change even with the same size and time; a file that comes back after
// it was gone is a change too.
DiskChange ChangeBetween(const DiskStamp& before, const DiskStamp& now);

// What the user is told about a change of the file of a document that
// holds unsaved changes (`saved` false) or not.
enum class DiskNotice {
  kNone,
  kAskReload,       // nothing of the user's can be lost
  kAskDropChanges,  // reloading would drop the unsaved changes
  kTellGone,        // the text stays, marked unsaved
  kTellNotAFile,    // likewise; Save refuses to write there
};
DiskNotice NoticeFor(DiskChange change, bool saved);

}  // namespace quillory
