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

// The project files' type, which the program's own MIME package defines.
inline constexpr std::string_view kProjectMimeType =
    "application/x-quillory-project";

// The MIME type of an extension written with its dot, in any letter case;
// empty for one the program does not open.
std::string MimeTypeForExtension(std::string_view extension);

// A type the program opens with the extensions it has there (".php" etc.).
struct OpenedType {
  std::string mime_type;
  std::vector<std::string> extensions;
};

// Every type the program opens, each once, in a fixed order.
std::vector<OpenedType> OpenedTypes();

// The Exec value that opens one file with the program at `program_path`:
// the path, quoted only when it holds a character the desktop entry rules
// reserve, a blank and "%f".
std::string DesktopEntryExec(std::string_view program_path);

// The shipped desktop entry made to start the program at `program_path`
// (its Exec, and a TryExec that hides it once the program is gone), marked
// as the program's own so that unregistering may remove it.
std::string UserDesktopEntry(std::string_view shipped_entry,
                             std::string_view program_path);

// True for an entry UserDesktopEntry wrote.
bool IsUserDesktopEntry(std::string_view text);

// A key's value in the [Desktop Entry] group; empty when it is missing.
std::string DesktopEntryValue(std::string_view text, std::string_view key);

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
