#include "support/fake_dialogs.h"

namespace quillory::testing {
namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> next = queue.front();
  queue.pop_front();
  return next;
}

}  // namespace

void FakeDialogs::ShowMessage(const std::string& text, MessageIcon) {
  messages.push_back(text);
}

void FakeDialogs::ShowTitledMessage(const std::string& title,
                                    const std::string& text, MessageIcon) {
  messages.push_back(title + ": " + text);
}

Answer FakeDialogs::AskYesNo(const std::string& text, MessageIcon) {
  questions.push_back(text);
  if (answers.empty()) return Answer::kNo;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

ChangesAnswer FakeDialogs::AskAboutChanges(const std::string& text,
                                           const ChangesButtons&) {
  questions.push_back(text);
  if (while_asking) while_asking();
  if (changes_answers.empty()) return ChangesAnswer::kDontSave;
  const ChangesAnswer answer = changes_answers.front();
  changes_answers.pop_front();
  return answer;
}

std::vector<std::string> FakeDialogs::ChooseFilesToOpen(
    const std::vector<FileFilter>& filters, const std::string& start_folder) {
  offered_filters.push_back(filters);
  start_folders.push_back(start_folder);
  if (chosen_file_lists.empty()) return {};
  std::vector<std::string> chosen = chosen_file_lists.front();
  chosen_file_lists.pop_front();
  return chosen;
}

std::optional<std::string> FakeDialogs::ChooseFileToOpen(
    const std::vector<FileFilter>& filters) {
  return ChooseFileToSave(filters, "");
}

std::optional<std::string> FakeDialogs::ChooseFileToSave(
    const std::vector<FileFilter>& filters, const std::string&) {
  offered_filters.push_back(filters);
  if (while_asking) while_asking();
  return Next(chosen_files);
}

std::optional<std::string> FakeDialogs::ChooseFolder(const std::string&) {
  return Next(chosen_folders);
}

std::optional<std::string> FakeDialogs::AskText(
    const std::string& title, const std::string& prompt,
    const std::string& default_text) {
  prompts.push_back({title, prompt, default_text});
  return Next(typed_texts);
}

std::optional<FontChoice> FakeDialogs::ChooseFont(const FontChoice& start,
                                                  FontChooserExtras extras) {
  offered_fonts.push_back(start);
  offered_extras.push_back(extras);
  return Next(chosen_fonts);
}

std::optional<uint32_t> FakeDialogs::ChooseColour(uint32_t) {
  return Next(chosen_colours);
}

std::optional<PrintTarget> FakeDialogs::ChoosePrintTarget(
    const std::string& no_printer) {
  no_printer_text = no_printer;
  return Next(print_targets);
}

}  // namespace quillory::testing
