#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <set>
#include <utility>

#include "platform/dialogs.h"
#include "platform/file_types.h"

namespace quillory::testing {

// Answers dialogs from queues a test fills, and records what was shown.
// An empty queue answers No, or cancels a chooser.
class FakeDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text, MessageIcon) override {
    messages.push_back(text);
  }
  // Recorded in `messages` as "title: text".
  void ShowTitledMessage(const std::string& title, const std::string& text,
                         MessageIcon) override {
    messages.push_back(title + ": " + text);
  }
  Answer AskYesNo(const std::string& text, MessageIcon) override {
    questions.push_back(text);
    return Next(answers, Answer::kNo);
  }
  // Recorded in `questions` with the questions asked Yes or No.
  ChangesAnswer AskAboutChanges(const std::string& text,
                                const ChangesButtons&) override {
    questions.push_back(text);
    if (while_asking) while_asking();
    return Next(changes_answers, ChangesAnswer::kDontSave);
  }
  std::optional<std::string> ChooseFileToOpen(
      const std::vector<FileFilter>& filters) override {
    return ChooseFileToSave(filters, "");
  }
  // Answered from `chosen_file_lists`.
  std::vector<std::string> ChooseFilesToOpen(
      const std::vector<FileFilter>& filters,
      const std::string& start_folder) override {
    offered_filters.push_back(filters);
    start_folders.push_back(start_folder);
    return Next(chosen_file_lists);
  }
  std::optional<std::string> ChooseFileToSave(
      const std::vector<FileFilter>& filters, const std::string&) override {
    offered_filters.push_back(filters);
    if (while_asking) while_asking();
    return Next(chosen_files);
  }
  std::optional<std::string> ChooseFolder(const std::string&) override {
    return Next(chosen_folders);
  }
  std::optional<std::string> AskText(const std::string& title,
                                     const std::string& prompt,
                                     const std::string& default_text) override {
    prompts.push_back({title, prompt, default_text});
    return Next(typed_texts);
  }
  std::optional<FontChoice> ChooseFont(const FontChoice& start,
                                       FontChooserExtras extras) override {
    offered_fonts.push_back(start);
    offered_extras.push_back(extras);
    return Next(chosen_fonts);
  }
  std::optional<uint32_t> ChooseColour(uint32_t) override {
    return Next(chosen_colours);
  }
  std::optional<PrintTarget> ChoosePrintTarget(
      const std::string& no_printer) override {
    no_printer_text = no_printer;
    return Next(print_targets);
  }

  std::deque<Answer> answers;
  // An empty queue answers Don't save.
  std::deque<ChangesAnswer> changes_answers;
  // Runs while a question about changes or a chooser of a name to save
  // under is open, before it is answered.
  std::function<void()> while_asking;
  std::deque<std::vector<std::string>> chosen_file_lists;
  std::deque<std::optional<std::string>> chosen_files;
  std::deque<std::optional<std::string>> typed_texts;
  std::deque<std::optional<std::string>> chosen_folders;
  std::deque<std::optional<FontChoice>> chosen_fonts;
  std::deque<std::optional<uint32_t>> chosen_colours;
  std::deque<std::optional<PrintTarget>> print_targets;

  std::vector<std::string> messages;
  // What the print chooser would say if there were no printer.
  std::string no_printer_text;
  std::vector<std::string> questions;
  std::vector<std::vector<FileFilter>> offered_filters;
  std::vector<std::string> start_folders;
  // Title, prompt and default text of each prompt.
  std::vector<std::vector<std::string>> prompts;
  std::vector<FontChoice> offered_fonts;
  std::vector<FontChooserExtras> offered_extras;

 private:
  // The next answer of `queue`, or `fallback` once it is empty.
  template <typename T>
  static T Next(std::deque<T>& queue, T fallback = {}) {
    if (queue.empty()) return fallback;
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
  }
};

// Records what would have been opened with the desktop.
class FakeDesktop : public Desktop {
 public:
  bool OpenWithDesktop(const std::string& path) override {
    opened.push_back(path);
    return true;
  }
  std::vector<std::string> opened;
};

// Keeps the registrations in memory instead of the desktop's files.
class FakeFileTypes : public FileTypes {
 public:
  void RegisterFileType(const std::string& mime_type, Registration registration,
                        Association association) override {
    if (registration == Registration::kRegister) {
      registered.insert({mime_type, association});
    } else {
      registered.erase({mime_type, association});
    }
  }
  bool IsFileTypeRegistered(const std::string& mime_type,
                            Association association) override {
    return registered.contains({mime_type, association});
  }
  std::set<std::pair<std::string, Association>> registered;
};

// The doubles, handed to a window as its desktop services.
struct FakeServices {
  FakeDialogs dialogs;
  FakeDesktop desktop;
  FakeFileTypes file_types;
  DesktopServices Services() { return {dialogs, desktop, file_types}; }
};

}  // namespace quillory::testing
