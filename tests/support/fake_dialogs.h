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
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  // Recorded in `messages` as "title: text".
  void ShowTitledMessage(const std::string& title, const std::string& text,
                         MessageIcon icon) override;
  Answer AskYesNo(const std::string& text, MessageIcon icon) override;
  // Recorded in `questions` with the questions asked Yes or No.
  ChangesAnswer AskAboutChanges(const std::string& text,
                                const ChangesButtons& buttons) override;
  std::optional<std::string> ChooseFileToOpen(
      const std::vector<FileFilter>& filters) override;
  // Answered from `chosen_file_lists`.
  std::vector<std::string> ChooseFilesToOpen(
      const std::vector<FileFilter>& filters,
      const std::string& start_folder) override;
  std::optional<std::string> ChooseFileToSave(
      const std::vector<FileFilter>& filters,
      const std::string& default_suffix) override;
  std::optional<std::string> ChooseFolder(const std::string& title) override;
  std::optional<std::string> AskText(const std::string& title,
                                     const std::string& prompt,
                                     const std::string& default_text) override;
  std::optional<FontChoice> ChooseFont(const FontChoice& start,
                                       FontChooserExtras extras) override;
  std::optional<uint32_t> ChooseColour(uint32_t start) override;
  std::optional<PrintTarget> ChoosePrintTarget(
      const std::string& no_printer) override;

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
