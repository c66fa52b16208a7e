#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

#include "base/named_captions.h"
#include "base/settings.h"
#include "editor/editing_guards.h"
#include "platform/dialogs.h"

namespace quillory {

class DocumentFiles;
class RecoveryKeeper;

// What opening the files of a start or of a later launch needs of the main
// window; all of it outlives LaunchFiles.
struct LaunchFilesHost {
  DocumentFiles& files;
  RecoveryKeeper& recovery;
  const EditingGuards& guards;  // quiet while a file loads
  Dialogs& dialogs;
  const Settings& settings;
  const NamedCaptions& captions;
  std::string user_folder;  // ends in "/"
  // Brings the window to the front after handed files were opened.
  std::function<void()> come_forward;
};

// The files a start opens (those the command line names, or else the last
// session, then the recovered texts) and those later launches hand over,
// which wait until the start is done.
class LaunchFiles : public QObject {
 public:
  LaunchFiles(LaunchFilesHost host, QObject* parent);

  // `arguments`: the command line without the program name.
  void Start(const std::vector<std::string>& arguments);
  // None: only comes forward.
  void Hand(const std::vector<std::string>& files);

 private:
  void OfferRecovery();

  LaunchFilesHost host_;
  bool started_ = false;
  std::vector<std::string> handed_early_;
};

}  // namespace quillory
