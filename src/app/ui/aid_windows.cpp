#include "app/ui/aid_windows.h"

#include <utility>
#include <vector>

#include <QAction>

#include "app/document_slots.h"
#include "app/language_files.h"
#include "app/ui/about_window.h"
#include "app/ui/document_tabs.h"
#include "app/ui/settings_window.h"
#include "base/lang_table.h"
#include "base/settings.h"
#include "designer/ui/visual_editor.h"
#include "editor/ui/editor.h"
#include "editor/ui/find_again.h"
#include "editor/ui/find_window.h"
#include "editor/ui/go_to_line.h"
#include "insert/ui/add_tag.h"
#include "insert/ui/printing.h"
#include "insert/ui/rich_editor.h"
#include "platform/app_environment.h"
#include "platform/dialogs.h"
#include "projects/ui/add_template.h"
#include "projects/ui/project_window.h"
#include "projects/ui/template_window.h"

namespace quillory {

AidWindows::AidWindows(AidWindowsHost host) : host_(std::move(host)) {}

AidWindows::~AidWindows() = default;

void AidWindows::ShowFind(FindPanel panel) {
  if (!find_) {
    find_ = new FindWindow({host_.main_window, &host_.rich, host_.highlighter,
                            host_.guards, host_.captions, last_search_,
                            host_.record_snapshot, host_.call_rich_change},
                           host_.lang);
  }
  find_->ShowPanel(panel);
}

void AidWindows::FindAgain(SearchDirection direction) {
  if (last_search_.find.isEmpty()) {
    ShowFind(FindPanel::kFind);
    return;
  }
  if (!FindAgainInEditor(host_.rich, last_search_, direction)) {
    host_.dialogs.ShowMessage(
        host_.lang.EntryOr(kNotFoundEntry, "The text was not found."),
        MessageIcon::kInformation);
  }
}

void AidWindows::GoToLine() {
  quillory::GoToLine(host_.rich, host_.dialogs, host_.captions);
}

void AidWindows::HoldFind(bool held) {
  if (find_) find_->setEnabled(!held);
}

// A closed window is on its way out; a new one lists the templates again.
void AidWindows::ShowTemplates() {
  if (!templates_ || !templates_->isVisible()) {
    templates_ = new TemplateWindow(
        {host_.main_window, host_.lang, host_.captions, host_.dialogs,
         TemplateFoldersOf(host_.environment.program_folder,
                           host_.environment.user_folder),
         host_.create});
  }
  templates_->show();
  templates_->activateWindow();
}

void AidWindows::ShowProjects() {
  std::vector<ProjectDocument> documents;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!host_.tabs.InUse(slot)) continue;
    const Document& document = host_.tabs.At(slot);
    documents.push_back(
        {slot, host_.tabs.Caption(slot), document.file_path, document.saved});
  }
  auto* projects = new ProjectWindow(
      {host_.main_window, host_.lang, host_.dialogs, host_.captions,
       std::move(documents), host_.project_saved});
  projects->show();
}

void AidWindows::AddToTemplates() {
  AddTemplate(host_.dialogs, host_.lang,
              TemplateFoldersOf(host_.environment.program_folder,
                                host_.environment.user_folder),
              host_.rich.Bytes());
}

void AidWindows::ShowDesigner() {
  if (designer_) return;
  designer_ = new VisualEditor({host_.rich, host_.highlighter, host_.dialogs,
                                host_.lang, host_.captions, design_});
  designer_->show();
  QWidget* window = host_.main_window;
  window->setEnabled(false);
  QObject::connect(designer_, &QObject::destroyed, window,
                   [window] { window->setEnabled(true); });
}

void AidWindows::ShowRichEditor() {
  auto* editor = new RichEditor(
      {host_.rich, host_.highlighter, host_.dialogs, host_.captions},
      host_.main_window);
  editor->show();
}

void AidWindows::InsertTag() {
  if (tag_lists_) tag_lists_->close();
  OpenTagLists(TagListsUse::kChooser)->setWindowModality(Qt::WindowModal);
  tag_lists_->show();
}

void AidWindows::ShowTagPanel(QAction& command) {
  if (!command.isChecked()) {
    if (tag_lists_) tag_lists_->close();
    return;
  }
  OpenTagLists(TagListsUse::kPanel)->show();
  // Closing the panel itself is unchecking the command too. Not on
  // destruction: the panel outlives the main window's members at exit.
  QObject::connect(tag_lists_, &QDialog::finished, &command,
                   [&command] { command.setChecked(false); });
}

AddTag* AidWindows::OpenTagLists(TagListsUse use) {
  tag_lists_ =
      new AddTag({host_.rich, host_.highlighter, host_.lang, host_.captions,
                  LanguageFolderPath(host_.environment.program_folder,
                                     host_.settings.language)},
                 use, host_.main_window);
  return tag_lists_;
}

void AidWindows::ShowSettings(SettingsPage page) {
  auto* settings = new SettingsWindow(
      {host_.main_window, host_.settings, host_.lang, host_.captions,
       host_.dialogs, host_.file_types,
       host_.environment.program_folder + "languages/", host_.settings_applied},
      page);
  settings->show();
}

// The main window takes no input while the about window is open.
void AidWindows::ShowAbout() {
  if (about_) return;
  QWidget* window = host_.main_window;
  about_ =
      new AboutWindow(host_.environment, host_.settings.language, host_.lang);
  window->setEnabled(false);
  QObject::connect(about_, &QObject::destroyed, window,
                   [window] { window->setEnabled(true); });
  about_->adjustSize();
  about_->move(window->frameGeometry().center() - about_->rect().center());
  about_->show();
  about_->activateWindow();
}

void AidWindows::Print() {
  const int slot = host_.tabs.ActiveSlot();
  PrintDocument({host_.rich, host_.dialogs, host_.lang, host_.captions},
                PrintMargins{},
                slot >= 0 ? host_.tabs.At(slot).file_path : std::string());
}

void AidWindows::CloseAbout() {
  if (about_) about_->close();
}

}  // namespace quillory
