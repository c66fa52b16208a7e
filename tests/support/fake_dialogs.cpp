#include "support/fake_dialogs.h"

namespace quillory::testing {
namespace {

// The next answer of `queue`, or `fallback` once it is empty.
template <typename T>
T Next(std::deque<T>& queue, T fallback = {}) {
  if (queue.empty()) return fallback;
  T next = std::move(queue.front());
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
  return Next(answers, Answer::kNo);
}

ChangesAnswer FakeDialogs::AskAboutChanges(const std::string& text,
                                           const ChangesButtons&) {
  questions.push_back(text);
  if (while_asking) while_asking();
  return Next(changes_answers, ChangesAnswer::kDontSave);
}

std::vector<std::string> FakeDialogs::ChooseFilesToOpen(
    const std::vector<FileFilter>& filters, const std::string& start_folder) {
  offered_filters.push_back(filters);
  start_folders.push_back(start_folder);
  return Next(chosen_file_lists);
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
