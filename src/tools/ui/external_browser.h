#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "base/named_captions.h"
#include "base/settings.h"
#include "platform/dialogs.h"
#include "tools/ui/preview_pane.h"

namespace quillory {

// Opens the active document in `browser` (`ext_Click`): the program is
// started directly with the file's path, never through a shell. Says
// "Open file first!" or "Save file first!" instead when there is no saved
// file to open, and why when the program cannot be started or ends at once
// with a complaint; that is told later, while `context` lives.
void OpenInExternalBrowser(const ExternalBrowser& browser,
                           const std::optional<PreviewSource>& document,
                           const NamedCaptions& captions, Dialogs& dialogs,
                           QObject* context);

// Adds the browsers installed on PATH to `settings` at once, then the
// desktop's default browser when `xdg-settings` has named it, calling
// `changed` after that late addition. Start-up does not wait for it.
void DetectInstalledBrowsers(Settings& settings, QObject* owner,
                             std::function<void()> changed);

}  // namespace quillory
