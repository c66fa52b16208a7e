#include "support/fake_dialogs.h"

namespace quillory::testing {

void FakeDialogs::ShowMessage(const std::string& text, MessageIcon) {
  messages.push_back(text);
}

Answer FakeDialogs::AskYesNo(const std::string& text, MessageIcon) {
  questions.push_back(text);
  if (answers.empty()) return Answer::kNo;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> FakeDialogs::ChooseFileToOpen(
    const std::vector<FileFilter>& filters) {
  return ChooseFileToSave(filters);
}

std::optional<std::string> FakeDialogs::ChooseFileToSave(
    const std::vector<FileFilter>& filters) {
  offered_filters.push_back(filters);
  if (chosen_files.empty()) return std::nullopt;
  std::optional<std::string> chosen = chosen_files.front();
  chosen_files.pop_front();
  return chosen;
}

}  // namespace quillory::testing
