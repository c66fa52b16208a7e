#include "app/ui/plugin_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <optional>
#include <utility>

#include "app/plugin_marks.h"
#include "app/plugin_set.h"
#include "base/ui/named_caption_text.h"
#include "editor/ui/editor.h"
#include "editor/ui/whole_text.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

constexpr char kErrorTitle[] = "Error in plugin";
constexpr char kSkippedText[] =
    "Quillory stopped while loading the plug-in %1 at its last start, so "
    "the plug-in is not loaded.";

// Painting goes on, but no command can be chosen halfway through loading.
void PaintWhileWaiting() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

PluginMenu::PluginMenu(PluginMenuHost host) : host_(std::move(host)) {}

PluginMenu::~PluginMenu() = default;

void PluginMenu::Load(const std::string& folder,
                      const std::vector<std::string>& entries,
                      const std::string& marks_path,
                      std::chrono::milliseconds limit) {
  plugins_ =
      std::make_unique<PluginSet>(PluginRegistrar(limit, &PaintWhileWaiting));
  PluginMarks marks(marks_path);
  for (const std::string& name :
       plugins_->LoadEntries(folder, entries, marks)) {
    const QString text =
        NamedCaption(host_.captions, "PluginSkipped", kSkippedText)
            .arg(DecodeForDisplay(name));
    host_.dialogs.ShowMessage(text.toStdString(), MessageIcon::kWarning);
  }
  for (int k = 0; k < plugins_->Count(); ++k) {
    if (const std::optional<std::string> caption = plugins_->Caption(k)) {
      ShowEntry(k, *caption);
    }
  }
}

// The first plug-in takes the design-time entry, later ones get their own.
void PluginMenu::ShowEntry(int k, const std::string& caption) {
  QAction* entry = host_.menu.actions().front();
  if (k > 0) {
    entry = host_.menu.addAction("");
    entry->setObjectName(QString("mplug_%1").arg(k));
  }
  QObject::connect(entry, &QAction::triggered, &host_.menu,
                   [this, k] { RunPlugin(k); });
  entry->setText(QString::fromStdString(caption));
  entry->setVisible(true);
}

void PluginMenu::RunPlugin(int k) {
  host_.keep_recovery_text();
  Editor& rich = host_.rich;
  const PluginRun run = plugins_->RunPlugin(
      k, rich.Bytes(), rich.SelectionStart(), rich.SelectionEnd());
  switch (run.outcome) {
    case PluginOutcome::kReplace:
      PutWholeText(rich, host_.guards, run.text, &host_.highlighter);
      host_.call_rich_change();
      return;
    case PluginOutcome::kError:
      host_.dialogs.ShowTitledMessage(kErrorTitle, run.text,
                                      MessageIcon::kError);
      return;
    case PluginOutcome::kKeep:
      return;
  }
}

}  // namespace quillory
