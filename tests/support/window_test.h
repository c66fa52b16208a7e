#pragma once

#include <gtest/gtest.h>

#include "app/ui/main_window.h"
#include "editor/ui/editor.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"

namespace quillory::testing {

// A shown main window on a fresh program folder with the shipped data, its
// dialogs answered by doubles.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : window_(folder_.ProgramEnvironment(), fakes_.Services()) {
    window_.resize(900, 600);
    window_.show();
  }

  Editor& Rich() { return *window_.ActiveEditor(); }

  TestFolder folder_;
  FakeServices fakes_;
  MainWindow window_;
};

}  // namespace quillory::testing
