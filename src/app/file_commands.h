#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/document_slots.h"
#include "base/lang_table.h"

namespace quillory {

// Fixed texts of the file commands; they do not change with the language.
inline constexpr std::string_view kFileMissingMessage = "File doesn't exist!";
inline constexpr std::string_view kOpenedStatus = "OK";
inline constexpr std::string_view kSaveAsStatus = "Подождите";  // UTF-8
// In English where the language has no "MoreMissingFiles" caption.
inline constexpr std::string_view kMoreMissingFilesMessage = "... and %1 more";
// In English where the language has no "DocumentLimit" caption.
inline constexpr std::string_view kDocumentLimitMessage =
    "Quillory keeps at most ten documents open. Close one to open another.";

// The names of a list that could not be opened, told at once: the
// missing-file message, then the first ten names one a line, then
// `more_names` with "%1" replaced by how many names are left out. Empty
// when no name failed.
std::string MissingFilesMessage(const std::vector<std::string>& names,
                                std::string_view more_names);

// Interface texts the file commands show.
inline constexpr int kLoadingText = 59;
inline constexpr int kColouredText = 60;
inline constexpr int kCloseQuestionText = 79;

// The status line while a file loads, and once it is coloured:
// entry 59, then entry 59 + two blanks + entry 60 + "100%".
std::string LoadingStatus(const LangTable& lang);
std::string LoadedStatus(const LangTable& lang);

// Save writes to the document's file, or asks for a name first when the
// document never had one.
enum class SaveRoute { kWriteToFile, kAskForName };
SaveRoute SaveRouteFor(const Document& document);

// Closing a document with unsaved changes first asks this question (Save,
// Don't save or Cancel): its tab caption, a blank line, then entry 79;
// empty when the document closes without a question. Without entry 79 an
// English question is asked.
std::optional<std::string> CloseQuestion(const Document& document,
                                         std::string_view caption,
                                         const LangTable& lang);

// The editor lays out a whole line whenever it shows or changes it, at
// about a megabyte a second, so a longer line makes every keystroke on it
// stall the window.
inline constexpr size_t kSlowLineBytes = 1024 * 1024;

// Before a file whose longest line (FileSurvey::longest_line) is longer
// than kSlowLineBytes is shown, the user is asked whether to open it (Yes
// opens); empty for any other file.
std::optional<std::string> LongLineQuestion(std::string_view file_name,
                                            size_t longest_line);

}  // namespace quillory
