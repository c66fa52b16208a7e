#include "app/ui/launch_files.h"

#include <QTimer>

#include <utility>

#include "app/command_line.h"
#include "app/list_file.h"
#include "app/recovery_store.h"
#include "app/ui/document_files.h"
#include "app/ui/recovery_keeper.h"

namespace quillory {
namespace {

constexpr int kHandedFilesRetryMs = 20;

}  // namespace

LaunchFiles::LaunchFiles(LaunchFilesHost host, QObject* parent)
    : QObject(parent), host_(std::move(host)) {}

void LaunchFiles::Start(const std::vector<std::string>& arguments) {
  // Absolute, so the session written at exit finds them from any folder.
  const std::vector<std::string> files = AbsoluteCommandLineFiles(arguments);
  if (files.empty() && host_.settings.open_last_session) {
    host_.files.OpenFile(host_.user_folder + std::string(kLastSessionFile),
                         false);
  }
  for (const std::string& file : files) host_.files.OpenFile(file, true);
  OfferRecovery();
  started_ = true;
  if (!handed_early_.empty()) Hand(std::exchange(handed_early_, {}));
}

// Entries that found no free slot stay for the next start, and only they:
// a reopened text is kept by this instance from now on, and offering its
// older entry again could bring back what the user has since saved over.
void LaunchFiles::OfferRecovery() {
  const StaleTexts stale = host_.recovery.ClaimStale();
  if (stale.texts.empty()) return;
  bool all_reopened = true;
  if (host_.dialogs.AskYesNo(RecoveryQuestion(stale, host_.captions),
                             MessageIcon::kWarning) == Answer::kYes) {
    for (size_t index = 0; index < stale.texts.size(); ++index) {
      if (host_.files.Reopen(stale.texts[index])) {
        host_.recovery.DiscardClaimedText(index);
      } else {
        all_reopened = false;
      }
    }
  }
  if (all_reopened) host_.recovery.DiscardClaimed();
}

// Files handed over while the splash shows wait for Start, to come after
// the command line's own. A request can come while a file loads (loading
// lets events run); it waits until the load is done, so one document is
// filled at a time.
void LaunchFiles::Hand(const std::vector<std::string>& files) {
  if (!started_) {
    handed_early_.insert(handed_early_.end(), files.begin(), files.end());
    return;
  }
  if (host_.guards.Quiet()) {
    QTimer::singleShot(kHandedFilesRetryMs, this,
                       [this, files] { Hand(files); });
    return;
  }
  for (const std::string& file : files) host_.files.OpenFile(file, true);
  host_.come_forward();
}

}  // namespace quillory
