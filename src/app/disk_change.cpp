#include "app/disk_change.h"

#include <sys/stat.h>

namespace quillory {

DiskStamp StampOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  if (!S_ISREG(status.st_mode)) return {.kind = DiskStamp::Kind::kNotAFile};
  return {.kind = DiskStamp::Kind::kFile,
          .size = status.st_size,
          .modified_ns =
              status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec,
          .device = status.st_dev,
          .inode = status.st_ino};
}

DiskChange ChangeBetween(const DiskStamp& before, const DiskStamp& now) {
  if (now == before) return DiskChange::kNone;
  switch (now.kind) {
    case DiskStamp::Kind::kMissing:
      return DiskChange::kGone;
    case DiskStamp::Kind::kNotAFile:
      return DiskChange::kNotAFile;
    case DiskStamp::Kind::kFile:
      break;
  }
  return DiskChange::kChanged;
}

DiskNotice NoticeFor(DiskChange change, bool saved) {
  switch (change) {
    case DiskChange::kNone:
      return DiskNotice::kNone;
    case DiskChange::kChanged:
      return saved ? DiskNotice::kAskReload : DiskNotice::kAskDropChanges;
    case DiskChange::kGone:
      return DiskNotice::kTellGone;
    case DiskChange::kNotAFile:
      return DiskNotice::kTellNotAFile;
  }
  return DiskNotice::kNone;
}

}  // namespace quillory
