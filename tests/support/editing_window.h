#pragma once

#include <string>

#include "support/window_test.h"

namespace quillory::testing {

// The shown main window with helpers for tests that edit documents through
// the real editor control.
class EditingWindowTest : public WindowTest {
 protected:
  // The active document's bytes.
  std::string Text();
  // Opens a file holding `bytes` in a new tab, as the open command does;
  // the editor has the focus. Returns the slot.
  int OpenFile(const std::string& name, const std::string& bytes);
  // Types `keys` into the editor, one key event each.
  void Type(const std::string& keys);
};

}  // namespace quillory::testing
