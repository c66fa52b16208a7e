#pragma once

#include <string>
#include <string_view>

namespace quillory {

enum class WriteMode { kReplace, kAppend };

// Empty `error` means the bytes are on disk; otherwise it says why not and
// names the file, in words fit to show the user.
struct WriteResult {
  std::string error;
  bool Succeeded() const { return error.empty(); }
};

// Puts `bytes` into the file at `path` exactly as given (no conversion, no
// line end added). The file on disk is either the old one or the new one,
// never a mix or a truncated copy:
// - The bytes go to a temporary file in the same folder, which is flushed to
//   disk and renamed over the old file. A full disk, a short write or a
//   failed flush is reported and the temporary file removed. The file has
//   no name until it is complete where the file system allows it (else
//   a hidden one beside the target), so a killed save leaves nothing; a
//   named one left by a killed save is removed at the next save there.
// - A symbolic link is followed (through any chain of links) and its final
//   target replaced; the link itself stays. A dangling link creates its
//   target.
// - The old file's permission bits are kept, and its owner and group when
//   the system allows it (always for root; otherwise the new file belongs
//   to whoever saved it). A new file gets 0666 less the umask.
// - Hard links are not kept: the path written gets the new bytes, and any
//   other name of the old file keeps the old bytes. Writing in place would
//   keep them but could leave a truncated file on a full disk.
// - A file the caller may not write to is refused, even though its folder
//   would allow replacing it, and so is anything that is not a regular file.
// - kAppend reads the old file and replaces it with the old bytes followed
//   by `bytes`; a missing file is created. An old file that exists but
//   cannot be read is refused rather than replaced by `bytes` alone.
// "/" is the only path separator; a "\" is part of a file name.
// Writes all of `bytes` to `fd`, going on after interruptions: 0, or the
// errno of the failure (ENOSPC when the device takes nothing more).
[[nodiscard]] int WriteFully(int fd, std::string_view bytes);

[[nodiscard]] WriteResult WriteTextFile(const std::string& path,
                                        std::string_view bytes, WriteMode mode);

}  // namespace quillory
