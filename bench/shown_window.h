#pragma once

#include "app/ui/main_window.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/freedesktop_file_types.h"
#include "platform/qt/qt_dialogs.h"

namespace quillory::bench {

// The main window as the program shows it, with the real desktop services,
// for benchmarks that time what a user sees.
struct ShownWindow {
  ShownWindow()
      : window(AppEnvironmentFor(QUILLORY_PROGRAM_DIR),
               {dialogs, desktop, file_types}) {
    window.resize(1000, 700);
    window.show();
  }

  QtDialogs dialogs;
  QtDesktop desktop;
  FreedesktopFileTypes file_types{"quillory", Layout::kBuildFolder};
  MainWindow window;
};

}  // namespace quillory::bench
