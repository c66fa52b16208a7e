#include "projects/ui/add_template.h"

#include <optional>
#include <string>

#include "base/atomic_write.h"
#include "base/lang_table.h"
#include "platform/dialogs.h"
#include "projects/template_names.h"

namespace quillory {
namespace {

constexpr int kNamePromptText = 116;
constexpr char kTitle[] = "Quillory";

}  // namespace

void AddTemplate(Dialogs& dialogs, const LangTable& lang,
                 const TemplateFolders& folders, std::string_view text) {
  const std::optional<std::string> name = dialogs.AskText(
      kTitle, WithLineBreaks(lang.EntryOr(kNamePromptText, "")), "");
  if (!name || name->empty()) return;
  if (const std::optional<std::string> problem = TemplateNameProblem(*name)) {
    dialogs.ShowMessage(*problem, MessageIcon::kWarning);
    return;
  }
  const std::string folder = TemplateWriteFolder(folders);
  if (folder.empty()) {
    dialogs.ShowMessage("No templates folder can be written to: neither " +
                            folders.program + " nor " + folders.user + ".",
                        MessageIcon::kError);
    return;
  }
  const WriteResult result =
      WriteTextFile(folder + *name, text, WriteMode::kReplace);
  if (!result.Succeeded()) {
    dialogs.ShowMessage(result.error, MessageIcon::kError);
  }
}

}  // namespace quillory
