#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "insert/font_choice.h"
#include "platform/file_filters.h"

namespace quillory {

class FileTypes;

enum class MessageIcon { kNone, kInformation, kWarning, kError };
enum class Answer { kYes, kNo };
// The answers to a question about changes that would otherwise be lost.
enum class ChangesAnswer { kSave, kDontSave, kCancel };
// The captions of those answers' buttons, in the interface language.
struct ChangesButtons {
  std::string save;
  std::string dont_save;
  std::string cancel;
};
// What the font chooser offers besides face, size, bold and italic.
enum class FontChooserExtras { kNone, kColourAndEffects };

enum class PrintOutput { kPrinter, kPdfFile };
// Where a document is printed: a printer by name, or a PDF file by path.
struct PrintTarget {
  PrintOutput output = PrintOutput::kPrinter;
  std::string name;
};

// The questions and choosers a command may put to the user. Each call
// blocks until the user answers. Texts are UTF-8.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
  // A message under its own title instead of the program's name.
  virtual void ShowTitledMessage(const std::string& title,
                                 const std::string& text, MessageIcon icon) = 0;
  virtual Answer AskYesNo(const std::string& text, MessageIcon icon) = 0;
  // Save, Don't save or Cancel; Escape and the close box answer Cancel,
  // the one answer that loses nothing.
  virtual ChangesAnswer AskAboutChanges(const std::string& text,
                                        const ChangesButtons& buttons) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> ChooseFileToOpen(
      const std::vector<FileFilter>& filters) = 0;
  // Any number of files, the chooser opened in `start_folder` (the
  // toolkit's choice when empty); none when the user cancels.
  virtual std::vector<std::string> ChooseFilesToOpen(
      const std::vector<FileFilter>& filters,
      const std::string& start_folder) = 0;
  // Asks before a name that exists is chosen, so no file is replaced unasked.
  // A name typed without an extension gets `default_suffix` (none when
  // empty) before that question, so the question is about the file that
  // would be written.
  virtual std::optional<std::string> ChooseFileToSave(
      const std::vector<FileFilter>& filters,
      const std::string& default_suffix) = 0;
  // The folder chooser titled `title`; nothing when cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
  // A one-line prompt opened with `default_text`; nothing when cancelled.
  virtual std::optional<std::string> AskText(
      const std::string& title, const std::string& prompt,
      const std::string& default_text) = 0;
  // The font chooser opened showing `start`; nothing when cancelled.
  virtual std::optional<FontChoice> ChooseFont(const FontChoice& start,
                                               FontChooserExtras extras) = 0;
  // The colour chooser opened on `start` (0x00BBGGRR); nothing when
  // cancelled.
  virtual std::optional<uint32_t> ChooseColour(uint32_t start) = 0;
  // The print dialog, opened on the default printer. Without any printer
  // it says `no_printer` and offers a PDF file instead. Nothing when
  // cancelled.
  virtual std::optional<PrintTarget> ChoosePrintTarget(
      const std::string& no_printer) = 0;
};

// Hands files to the desktop: the program registered for their type.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual bool OpenWithDesktop(const std::string& path) = 0;
};

// What a window asks of the desktop; a test answers with doubles.
struct DesktopServices {
  Dialogs& dialogs;
  Desktop& desktop;
  FileTypes& file_types;
};

}  // namespace quillory
