#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "tools/php_commands.h"
#include "tools/process_runner.h"
#include "tools/tidy_commands.h"
#include "tools/ui/page_view.h"

class QWidget;

namespace quillory {

class Editor;
class HtmlParse;
class LangTable;
class NamedCaptions;
class OutputWindow;
class ToolBusyWindow;
class ToolProcess;
struct AppEnvironment;
struct EditingGuards;
struct Settings;

// What the Tidy and PHP commands work on; all of it outlives them.
struct ToolCommandsHost {
  QWidget* main_window;
  Editor* rich;
  HtmlParse& highlighter;
  EditingGuards& guards;
  const AppEnvironment& environment;
  const Settings& settings;
  const LangTable& lang;
  const NamedCaptions& captions;
  // The active document: its file, whether that holds its text, the text.
  std::function<PhpDocument()> active_document;
  // The change handling typing runs: caret line, unsaved mark, snapshot.
  std::function<void()> call_rich_change;
  std::function<void(std::string_view)> set_status;
  // True while a tool runs, when nothing may change the documents; false
  // once it has ended.
  std::function<void(bool)> hold_documents;
  PageViewFactory make_page_view;
  // Keeps the unsaved text for recovery before a tool may replace it.
  std::function<void()> keep_recovery_text;
};

// The HTML Tidy and PHP commands on the active document. One tool runs at
// a time and the window goes on meanwhile: after a moment it says so and
// offers to stop the tool. The result then replaces the document as one
// undoable change or shows in the tool output window.
class ToolCommands : public QObject {
  Q_OBJECT

 public:
  ToolCommands(ToolCommandsHost host, QObject* parent);
  ~ToolCommands() override;

  void RunTidy(TidyCommand command);
  void RunPhp(PhpCommand command);
  bool Running() const { return process_ != nullptr; }
  // Ends a running tool and drops what it wrote: the window is closing.
  void Abandon();
  // Null until a command shows it, and again once it is closed.
  OutputWindow* Output() const;

 private:
  enum class Colouring { kWholeText, kCaretLine };

  void Start(std::unique_ptr<ToolJob> job, Colouring colouring);
  void ShowBusy();
  void OnEnded();
  // False when the result is dropped, having said why.
  bool ApplyCut(ToolResult& result);
  void EndBusy();
  void Apply(const ToolResult& result);
  void PutText(const std::string& text);
  OutputWindow& ShowOutput();

  ToolCommandsHost host_;
  ProcessRunner runner_;
  std::unique_ptr<ToolJob> job_;
  Colouring colouring_ = Colouring::kWholeText;
  QString source_;
  ToolProcess* process_ = nullptr;
  QTimer busy_delay_;
  QPointer<ToolBusyWindow> busy_;
  QPointer<OutputWindow> output_;
};

}  // namespace quillory
