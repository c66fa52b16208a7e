#include "app/file_commands.h"

#include "app/text_util.h"

namespace quillory {

std::string_view FileNameOfPath(std::string_view path) {
  return AfterLast(path, '/');
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
                                         const LangTable& lang) {
  if (document.saved) return std::nullopt;
  // A language file too short to hold the question must not let a document
  // with changes close silently.
  return lang.EntryOr(kCloseQuestionText,
                      "Save the changes to this document before closing it?");
}

}  // namespace quillory
