#include "tools/ui/tool_commands.h"

#include <QFile>

#include <chrono>

#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/settings.h"
#include "editor/editing_guards.h"
#include "editor/ui/editor.h"
#include "editor/ui/whole_text.h"
#include "platform/app_environment.h"
#include "tools/ui/output_window.h"
#include "tools/ui/tool_busy_window.h"
#include "tools/ui/tool_process.h"

#include "base/ui/named_caption_text.h"

namespace quillory {
namespace {

// A tool that ends sooner is not announced.
constexpr std::chrono::milliseconds kBusyDelay(300);
constexpr char kTidySource[] = "HTML Tidy";

}  // namespace

ToolCommands::ToolCommands(ToolCommandsHost host, QObject* parent)
    : QObject(parent), host_(std::move(host)) {
  busy_delay_.setSingleShot(true);
  busy_delay_.setInterval(kBusyDelay);
  connect(&busy_delay_, &QTimer::timeout, this, &ToolCommands::ShowBusy);
}

ToolCommands::~ToolCommands() = default;

void ToolCommands::RunTidy(TidyCommand command) {
  if (Running()) return;
  source_ = kTidySource;
  if (command == TidyCommand::kCheck) ShowOutput();
  Start(MakeTidyJob(command, host_.rich->Bytes(), host_.rich->Encoding(),
                    host_.environment),
        Colouring::kWholeText);
}

void ToolCommands::RunPhp(PhpCommand command) {
  if (Running()) return;
  const PhpDocument document = host_.active_document();
  const std::string& name =
      document.file_path.empty() ? document.caption : document.file_path;
  source_ = "PHP: " + QFile::decodeName(name.c_str());
  if (command != PhpCommand::kCompact) ShowOutput();
  Start(MakePhpJob(command, host_.settings.php, document,
                   host_.environment.temp_folder),
        Colouring::kCaretLine);
}

// NOTE: a job without a command line is not given to the runner, which
// would run its last command again.
void ToolCommands::Start(std::unique_ptr<ToolJob> job, Colouring colouring) {
  host_.keep_recovery_text();
  job_ = std::move(job);
  colouring_ = colouring;
  if (!job_->CommandLine().empty()) {
    process_ = new ToolProcess(this);
    if (process_->Start(runner_, job_->CommandLine(), job_->Route(),
                        job_->Folder())) {
      connect(process_, &ToolProcess::Ended, this, &ToolCommands::OnEnded);
      host_.hold_documents(true);
      busy_delay_.start();
      return;
    }
    delete process_;
    process_ = nullptr;
  }
  const ToolResult result = job_->Result(std::nullopt);
  job_.reset();
  Apply(result);
}

void ToolCommands::ShowBusy() {
  const QString text =
      NamedCaption(host_.captions, "ToolBusy",
                   "Waiting for the external program to finish...");
  host_.set_status(text.toStdString());
  host_.main_window->setCursor(Qt::WaitCursor);
  busy_ =
      new ToolBusyWindow(text, NamedCaption(host_.captions, "ToolStop", "Stop"),
                         host_.main_window);
  connect(busy_, &ToolBusyWindow::StopChosen, process_, &ToolProcess::Stop);
  busy_->show();
}

// NOTE: a stopped tool may have written half a page, which must not take
// the document's place; what it wrote is still shown where it would be.
void ToolCommands::OnEnded() {
  const bool stopped = process_->Stopped();
  const Capture capture = process_->TakeCapture();
  process_->deleteLater();
  process_ = nullptr;
  EndBusy();
  ToolResult result = job_->Result(capture);
  job_.reset();
  if (capture.cut && !ApplyCut(result)) return;
  if (stopped) {
    host_.set_status(NamedCaption(host_.captions, "ToolStopped",
                                  "The external program was stopped.")
                         .toStdString());
    if (result.use == ToolResultUse::kReplaceDocument) return;
  }
  Apply(result);
}

// A cut output never takes the document's place; one that is shown says
// where it was cut.
bool ToolCommands::ApplyCut(ToolResult& result) {
  const QString limit = QString::number(kOutputLimit / (1024 * 1024));
  if (result.use == ToolResultUse::kReplaceDocument) {
    ShowOutput().ShowMessages(
        NamedCaption(host_.captions, "ToolOutputTooLong",
                     "The external program wrote more than %1 MB; the "
                     "document was left as it was.")
            .arg(limit)
            .toStdString());
    return false;
  }
  const std::string note =
      NamedCaption(host_.captions, "ToolOutputCut",
                   "The external program wrote more than %1 MB; the rest "
                   "was cut.")
          .arg(limit)
          .toStdString();
  result.text += result.use == ToolResultUse::kShowPage
                     ? "<hr><p><b>" + note + "</b></p>"
                     : "\n" + note;
  return true;
}

void ToolCommands::Abandon() {
  if (!Running()) return;
  disconnect(process_, nullptr, this, nullptr);
  delete process_;
  process_ = nullptr;
  job_.reset();
  EndBusy();
}

// The busy window may be what asked for the stop, so it goes later.
void ToolCommands::EndBusy() {
  busy_delay_.stop();
  host_.hold_documents(false);
  if (!busy_) return;
  busy_->hide();
  busy_->deleteLater();
  host_.main_window->unsetCursor();
  host_.set_status("");
}

void ToolCommands::Apply(const ToolResult& result) {
  switch (result.use) {
    case ToolResultUse::kShowMessages:
      ShowOutput().ShowMessages(result.text);
      return;
    case ToolResultUse::kShowPage: {
      OutputWindow& output = ShowOutput();
      output.Browser();
      output.ShowHtml(result.text);
      return;
    }
    case ToolResultUse::kReplaceDocument:
      PutText(result.text);
      return;
  }
}

void ToolCommands::PutText(const std::string& text) {
  PutWholeText(
      *host_.rich, host_.guards, text,
      colouring_ == Colouring::kWholeText ? &host_.highlighter : nullptr);
  host_.call_rich_change();
}

OutputWindow* ToolCommands::Output() const { return output_; }

OutputWindow& ToolCommands::ShowOutput() {
  if (!output_) {
    output_ =
        new OutputWindow(host_.lang, host_.captions, host_.make_page_view,
                         host_.environment.temp_folder, host_.main_window);
    output_->move(host_.main_window->frameGeometry().center() -
                  output_->rect().center());
  }
  output_->SetSource(source_);
  output_->show();
  output_->raise();
  return *output_;
}

}  // namespace quillory
