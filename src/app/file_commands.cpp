#include "app/file_commands.h"

#include <algorithm>
#include <cstdio>

#include "base/text_util.h"

namespace quillory {

std::string MissingFilesMessage(const std::vector<std::string>& names,
                                std::string_view more_names) {
  constexpr size_t kShown = 10;
  if (names.empty()) return "";
  std::string message(kFileMissingMessage);
  for (size_t i = 0; i < std::min(names.size(), kShown); ++i) {
    message += "\r\n" + names[i];
  }
  if (names.size() > kShown) {
    message += "\r\n" + Join(Split(more_names, "%1"),
                             std::to_string(names.size() - kShown));
  }
  return message;
}

std::string LoadingStatus(const LangTable& lang) {
  return lang.EntryOr(kLoadingText, "");
}

std::string LoadedStatus(const LangTable& lang) {
  return LoadingStatus(lang) + "  " + lang.EntryOr(kColouredText, "") + "100%";
}

SaveRoute SaveRouteFor(const Document& document) {
  return document.file_path.empty() ? SaveRoute::kAskForName
                                    : SaveRoute::kWriteToFile;
}

std::optional<std::string> CloseQuestion(const Document& document,
                                         std::string_view caption,
                                         const LangTable& lang) {
  if (document.saved) return std::nullopt;
  // A language file too short to hold the question must not let a document
  // with changes close silently.
  return std::string(caption) + "\r\n\r\n" +
         lang.EntryOr(kCloseQuestionText,
                      "Save the changes to this document before closing it?");
}

std::optional<std::string> LongLineQuestion(std::string_view file_name,
                                            size_t longest) {
  if (longest <= kSlowLineBytes) return std::nullopt;
  char megabytes[32];
  std::snprintf(megabytes, sizeof megabytes, "%.1f",
                static_cast<double>(longest) / (1024 * 1024));
  return std::string(FileNameOfPath(file_name)) + " has a line of " +
         megabytes +
         " MB. Lines that long are shown and edited slowly: each change to "
         "it may keep the window busy for seconds. Open it anyway?";
}

}  // namespace quillory
