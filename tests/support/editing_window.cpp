#include "support/editing_window.h"

#include <QTest>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"

namespace quillory::testing {

std::string EditingWindowTest::Text() { return Rich().Bytes(); }

int EditingWindowTest::OpenFile(const std::string& name,
                                const std::string& bytes) {
  window_.Files().OpenFile(folder_.Write(name, bytes), false);
  Rich().setFocus();
  return window_.Tabs().ActiveSlot();
}

void EditingWindowTest::Type(const std::string& keys) {
  QTest::keyClicks(&Rich(), QString::fromStdString(keys));
}

}  // namespace quillory::testing
