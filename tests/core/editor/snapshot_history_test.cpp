#include "editor/snapshot_history.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace quillory {
namespace {

// A document held as bytes and styles, changed the way the editor changes
// its own and telling the history each time.
// It starts as a document just opened: empty, and the base of its history.
class Tab {
 public:
  Tab() { history_.TakeBase(); }

  void Change(DocumentChange change) {
    Apply(change, document_);
    history_.Notify(std::move(change));
  }

  // Typing: the text goes in with style 0, then its line is coloured.
  void Type(int64_t at, const std::string& text, char style) {
    const std::string plain(text.size(), 0), styled(text.size(), style);
    Change({ChangeKind::kText, at, {}, {text, plain}});
    Change({ChangeKind::kStyles, at, {"", plain}, {"", styled}});
    history_.Record();
  }

  bool Undo() { return Restore(history_.Undo()); }
  bool Redo() { return Restore(history_.Redo()); }

  const std::string& text() const { return document_.text; }
  SnapshotHistory& history() { return history_; }

 private:
  bool Restore(const std::optional<std::vector<DocumentChange>>& script) {
    if (!script) return false;
    for (const DocumentChange& change : *script) Apply(change, document_);
    return true;
  }

  StyledText document_;
  SnapshotHistory history_;
};

// Each row types its letters at the end, one change and snapshot each;
// "<" is undo and ">" redo. The first undo after a change skips the level
// that holds the text as it is, and the empty text the tab opened with is
// the base below level 0.
TEST(SnapshotHistoryTest, SequencesOfChangesUndosAndRedos) {
  const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
  const std::tuple<std::string, std::string, int> rows[] = {
      {"ABC<", "AB", 1},
      {"ABC<<<", "", kBaseLevel},
      {"ABC<<<<", "", kBaseLevel},
      {"ABC<<<>", "A", 0},
      {"ABC<<<>>>>", "ABC", 2},
      // At most 21 states are kept: the base goes once level 20 is
      // written, and past it the levels shift, the oldest dropped.
      {alphabet.substr(0, 20) + std::string(30, '<'), "", kBaseLevel},
      {alphabet.substr(0, 21) + std::string(30, '<'), "a", 0},
      {alphabet.substr(0, 25), alphabet.substr(0, 25), kSnapshotLevels},
      {alphabet.substr(0, 25) + std::string(30, '<'), "abcde", 0},
      {alphabet + "<", alphabet.substr(0, 25), kSnapshotLevels - 2},
      {alphabet + "<>", alphabet, kSnapshotLevels - 1},
      {alphabet + ">", alphabet, kSnapshotLevels},
      // A change after undos overwrites one level and keeps those above.
      {"ABCDE<<z", "ABCz", 3},
      {"ABCDE<<z>", "ABCDE", 4},
      {"ABCDE<<z><<", "ABCz", 2},
      // A change made on the base keeps it and writes level 0.
      {"AB<<<z<", "", kBaseLevel},
      {"AB<<<z<>>", "AB", 1},
  };
  for (const auto& [keys, text, position] : rows) {
    SCOPED_TRACE(keys);
    Tab tab;
    for (char key : keys) {
      if (key == '<') {
        tab.Undo();
      } else if (key == '>') {
        tab.Redo();
      } else {
        tab.Type(tab.text().size(), std::string(1, key), 1);
      }
    }
    EXPECT_EQ(tab.text(), text);
    EXPECT_EQ(tab.history().position(), position);
  }
}

// Levels hold what changed, not copies of the text, and only the last
// levels however long the session runs.
TEST(SnapshotHistoryTest, LevelsHoldOnlyWhatChangedAndOnlyTheLastOnes) {
  Tab tab;
  const std::string big(100000, 'x');
  tab.Change({ChangeKind::kText, 0, {}, {big, std::string(big.size(), 0)}});
  tab.history().TakeBase();  // a freshly loaded document
  for (int i = 0; i < 5000; ++i) tab.Type(50000 + i, "y", 1);
  EXPECT_LT(tab.history().HeldBytes(), 40000);
}

}  // namespace
}  // namespace quillory
