#pragma once

#include <functional>

#include "app/ui/snapshot_commands.h"

class QAction;

namespace quillory {

class AidWindows;
class DocumentFiles;
class ToolCommands;

// What the menu's commands reach of the main window; all of it outlives
// the menus.
struct CommandHost {
  DocumentFiles& files;
  AidWindows& aids;
  ToolCommands& tools;
  SnapshotHost snapshots;
  QAction& tag_panel;  // checked while the tag panel shows
  std::function<void()> quit;
  std::function<void()> wrap;         // follows the word-wrap command's check
  std::function<void()> set_num;      // line numbers on or off
  std::function<void()> view_browse;  // turns on the view that is off
  std::function<void()> show_help;
  std::function<void()> live_preview;  // follows the command's check
  // follows the check of the command colouring style sheets and scripts
  std::function<void()> colour_scripts;
};

}  // namespace quillory
