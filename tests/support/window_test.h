#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTabBar>
#include <QTest>

#include <string>
#include <vector>

#include "app/ui/document_files.h"
#include "app/ui/document_tabs.h"
#include "app/ui/main_window.h"
#include "editor/snapshot_history.h"
#include "editor/ui/editor.h"
#include "support/fake_dialogs.h"
#include "support/test_folder.h"

namespace quillory::testing {

// The command `object_name` of `window`'s menus.
inline QAction* FindAction(QWidget& window, const char* object_name) {
  return window.findChild<QAction*>(object_name);
}

// A shown main window on a fresh program folder with the shipped data, its
// dialogs answered by doubles, and helpers to edit documents through the
// real editor control.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest();

  // The parts the menu's commands reach, through the same host.
  Editor& Rich() { return window_.Commands().snapshots.rich; }
  DocumentTabs& Tabs() { return window_.Commands().snapshots.tabs; }
  EditingGuards& Guards() { return window_.Commands().snapshots.guards; }
  DocumentFiles& Files() { return window_.Commands().files; }
  ToolCommands& Tools() { return window_.Commands().tools; }
  // What the window holds for every part.
  Settings& CurrentSettings() { return SettingsOf(window_); }
  static Settings& SettingsOf(MainWindow& window) { return window.settings_; }
  const LangTable& Lang() { return window_.lang_; }
  const NamedCaptions& Captions() { return window_.captions_; }
  HtmlParse& Highlighter() { return *window_.highlighter_; }
  const AppEnvironment& Environment() { return window_.environment_; }
  QAction* Action(const char* command) { return FindAction(window_, command); }
  QTabBar& Bar() { return *window_.findChild<QTabBar*>("MTab"); }
  // The active document's bytes.
  std::string Text() { return Rich().Bytes(); }
  // The active document's.
  SnapshotHistory& History() { return Tabs().History(Tabs().ActiveSlot()); }
  QString Status() { return window_.findChild<QLabel*>("Status")->text(); }
  // Opens a file holding `bytes` in a new tab, as the open command does;
  // the editor has the focus. Returns the slot.
  int OpenFile(const std::string& name, const std::string& bytes) {
    Files().OpenFile(folder_.Write(name, bytes), false);
    Rich().setFocus();
    return Tabs().ActiveSlot();
  }
  // Types `keys` into the editor, one key event each.
  void Type(const std::string& keys) {
    QTest::keyClicks(&Rich(), QString::fromStdString(keys));
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&Rich(), key, modifiers);
  }
  void Trigger(const char* command) { Action(command)->trigger(); }
  // Switches the window to `language`, as the settings window does.
  void ChooseLanguage(const std::string& language) {
    CurrentSettings().language = language;
    window_.SetLanguage();
  }
  // `count` lines of tagged text, each different.
  static std::string NumberedLines(int count);

  TestFolder folder_;
  FakeServices fakes_;
  MainWindow window_;
};

// The shown controls under `root` that assistive tools list as reachable
// (focusable or pressable) but give no name, by object and class name, by
// a walk of the accessible tree; and `root` itself when it is a window that
// does not tell it is one.
std::vector<std::string> UnnamedControls(QWidget& root);

// The shown captions under `root` that show less than their text, by
// object and class name: a label's text wider than the label, a box's box
// and text wider than the box, a push button's text wider than its face.
std::vector<std::string> CutCaptions(QWidget& root);

}  // namespace quillory::testing
