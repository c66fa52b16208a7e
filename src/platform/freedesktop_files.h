#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The texts of the freedesktop files through which the desktop learns to
// open a file type with this program: the desktop entry, a shared-mime-info
// package for a type of its own, and the user's mimeapps.list. Each
// function edits text only; file_type_registration.h reads and writes.

inline constexpr std::string_view kDesktopEntryName = "quillory.desktop";

// Which list of mimeapps.list names the program for a type: the default
// application (the type's "open" action) or one more program offered.
enum class Association { kDefault, kAdded };
enum class Registration { kRegister, kUnregister };

// The MIME type of an extension written with its dot, in any letter case:
// the desktop's own type for the web files, a type of the program's own
// ("application/x-quillory-project" for ".qlp") for anything else.
std::string MimeTypeForExtension(std::string_view extension);

// True for the types MimeTypeForExtension makes up, which need a package.
bool IsOwnMimeType(std::string_view mime_type);

// The Exec value that opens one file with the program at `program_path`:
// the path quoted as the desktop entry rules ask, a blank and "%f".
std::string DesktopEntryExec(std::string_view program_path);

// The whole desktop entry, naming `mime_types` on its MimeType line.
std::string DesktopEntryText(std::string_view program_path,
                             const std::vector<std::string>& mime_types);

// A key's value in the [Desktop Entry] group; empty when it is missing.
std::string DesktopEntryValue(std::string_view text, std::string_view key);

// The types a desktop entry's MimeType line lists, in order.
std::vector<std::string> DesktopEntryMimeTypes(std::string_view text);

// A shared-mime-info package defining `mime_type` for files named
// "*" + `extension` (letter case ignored, as the database globs are).
std::string MimePackageText(std::string_view mime_type,
                            std::string_view extension);

// The file name of the package for `mime_type` under mime/packages/.
std::string MimePackageName(std::string_view mime_type);

// mimeapps.list with `desktop_id` put into (or taken out of) the list of
// `mime_type` in the group of `association`. A default goes first in its list;
// an added association goes last. A list left empty loses its line, a missing
// group or line is created. Every other line, comment and group stays byte for
// byte.
std::string EditMimeApps(std::string_view text, std::string_view mime_type,
                         std::string_view desktop_id, Association association,
                         Registration registration);

// The desktop ids mimeapps.list lists for `mime_type` in the group of
// `association`, in order.
std::vector<std::string> MimeAppsList(std::string_view text,
                                      std::string_view mime_type,
                                      Association association);

}  // namespace quillory
