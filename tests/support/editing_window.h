#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/ui/main_window.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"

namespace quillory::testing {

// A shown main window over the shipped data, for tests that edit documents
// through the real editor control.
class EditingWindowTest : public ::testing::Test {
 protected:
  EditingWindowTest();

  Editor& Rich();
  // The active document's bytes.
  std::string Text();
  // Opens a file holding `bytes` in a new tab, as the open command does;
  // the editor has the focus. Returns the slot.
  int OpenFile(const std::string& name, const std::string& bytes);
  // Types `keys` into the editor, one key event each.
  void Type(const std::string& keys);

  TestFolder folder_;
  FakeServices fakes_;
  MainWindow window_;
};

}  // namespace quillory::testing
