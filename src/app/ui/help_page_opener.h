#pragma once

#include <string>

#include "tools/ui/page_view.h"

class QWidget;

namespace quillory {

struct AppEnvironment;
class Dialogs;
class NamedCaptions;

// What the help window needs of the main window.
struct HelpPageHost {
  const AppEnvironment& environment;
  const NamedCaptions& captions;
  PageViewFactory make_page_view;
  Dialogs& dialogs;
  QWidget* parent;
};

// Shows the help page of `language` in a window of the program, from a
// page in the program's private temporary folder; says why when it cannot.
void OpenHelpPage(const HelpPageHost& host, const std::string& language);

}  // namespace quillory
