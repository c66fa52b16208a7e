#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace quillory {

// Qt's message boxes and file choosers, owned by `parent`'s window.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void ShowTitledMessage(const std::string& title, const std::string& text,
                         MessageIcon icon) override;
  Answer AskYesNo(const std::string& text, MessageIcon icon) override;
  ChangesAnswer AskAboutChanges(const std::string& text,
                                const ChangesButtons& buttons) override;
  std::optional<std::string> ChooseFileToOpen(
      const std::vector<FileFilter>& filters) override;
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

 private:
  QWidget* parent_;
};

// xdg-open through Qt.
class QtDesktop : public Desktop {
 public:
  bool OpenWithDesktop(const std::string& path) override;
};

}  // namespace quillory
