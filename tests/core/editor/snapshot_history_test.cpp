#include "editor/snapshot_history.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/editor/plain_snapshot_history.h"
#include "editor/slot_histories.h"

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
    Change({ChangeKind::kText, at, {}, {text, std::string(text.size(), 0)}});
    Change({ChangeKind::kStyles,
            at,
            {"", std::string(text.size(), 0)},
            {"", std::string(text.size(), style)}});
    history_.Record();
  }

  bool Undo() { return Restore(history_.Undo()); }
  bool Redo() { return Restore(history_.Redo()); }

  const std::string& text() const { return document_.text; }
  const StyledText& document() const { return document_; }
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
  struct Row {
    std::string keys;
    std::string text;
    int position;
  };
  const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
  const Row rows[] = {
      {"ABC", "ABC", 3},
      {"ABC<", "AB", 1},
      {"ABC<<", "A", 0},
      {"ABC<<<", "", kBaseLevel},
      {"ABC<<<<", "", kBaseLevel},
      {"ABC<<<>", "A", 0},
      {"ABC<<<>>>", "ABC", 2},
      {"ABC<<<>>>>", "ABC", 2},
      // Past level 20 the levels shift and the oldest level becomes the
      // base: the fourth state is the oldest left.
      {alphabet.substr(0, 25), alphabet.substr(0, 25), kSnapshotLevels},
      {alphabet.substr(0, 25) + std::string(30, '<'), "abcd", kBaseLevel},
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
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keys);
    Tab tab;
    for (char key : row.keys) {
      if (key == '<') {
        tab.Undo();
      } else if (key == '>') {
        tab.Redo();
      } else {
        tab.Type(tab.text().size(), std::string(1, key), 1);
      }
    }
    EXPECT_EQ(tab.text(), row.text);
    EXPECT_EQ(tab.history().position(), row.position);
  }
}

TEST(SnapshotHistoryTest, ClearForgetsEverything) {
  Tab tab;
  tab.Type(0, "A", 1);
  tab.history().Clear();
  EXPECT_EQ(tab.history().position(), 0);
  EXPECT_FALSE(tab.Undo());
  EXPECT_FALSE(tab.history().LevelFilled(0));
}

TEST(SnapshotHistoryTest, TypedLevelsHoldOnlyWhatChanged) {
  Tab tab;
  tab.Change({ChangeKind::kText,
              0,
              {},
              {std::string(100000, 'x'), std::string(100000, 0)}});
  tab.history().TakeBase();  // a freshly loaded document
  for (int i = 0; i < 40; ++i) tab.Type(50000 + i, "y", 1);
  EXPECT_LT(tab.history().HeldBytes(), 40000);
}

TEST(SnapshotHistoryTest, LongSessionsHoldNoMoreThanTheLastLevels) {
  Tab tab;
  for (int i = 0; i < 100; ++i) tab.Type(i, "k", 1);
  const int64_t after_hundred = tab.history().HeldBytes();
  for (int i = 100; i < 5000; ++i) tab.Type(i, "k", 1);
  EXPECT_LE(tab.history().HeldBytes(), after_hundred);
}

// Random edits, colourings, snapshots, undos and redos, compared step by
// step with full copies per level.
class RandomSession {
 public:
  explicit RandomSession(unsigned seed) : random_(seed) {}

  void Step() {
    switch (Pick(0, 9)) {
      case 0:
      case 1:
      case 2:
        EditText();
        Record();
        break;
      case 3:
        Colour();
        Record();
        break;
      case 4:
        EditText();
        break;  // a change with no snapshot after it
      case 5:
      case 6:
        Check(&SnapshotHistory::CanUndo, &Tab::Undo, plain_.Undo());
        break;
      case 7:
      case 8:
        Check(&SnapshotHistory::CanRedo, &Tab::Redo, plain_.Redo());
        break;
      default:
        Colour();
        break;
    }
    ASSERT_EQ(tab_.history().position(), plain_.position());
  }

 private:
  int Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
  }

  void EditText() {
    const int length = static_cast<int>(tab_.text().size());
    const int at = Pick(0, length);
    const int removed = Pick(0, std::min(3, length - at));
    std::string text(Pick(0, 3), 'a' + Pick(0, 25));
    std::string styles(text.size(), static_cast<char>(Pick(0, 4)));
    Change({ChangeKind::kText,
            at,
            {tab_.text().substr(at, removed),
             tab_.document().styles.substr(at, removed)},
            {text, styles}});
  }

  void Colour() {
    const int length = static_cast<int>(tab_.text().size());
    const int at = Pick(0, length);
    const int count = Pick(0, length - at);
    Change({ChangeKind::kStyles,
            at,
            {"", tab_.document().styles.substr(at, count)},
            {"", std::string(count, static_cast<char>(Pick(0, 4)))}});
  }

  // A change that alters nothing leaves the document the level it was.
  void Change(DocumentChange change) {
    const StyledText before = tab_.document();
    tab_.Change(std::move(change));
    if (tab_.document() != before) plain_.Changed();
  }

  void Record() {
    tab_.history().Record();
    plain_.Record(tab_.document());
  }

  // The history says beforehand whether the step will put a level back.
  void Check(bool (SnapshotHistory::*can)() const, bool (Tab::*step)(),
             const std::optional<StyledText>& expected) {
    const bool could = (tab_.history().*can)();
    const bool restored = (tab_.*step)();
    ASSERT_EQ(could, restored);
    ASSERT_EQ(restored, expected.has_value());
    if (expected) ASSERT_EQ(tab_.document(), *expected);
  }

  std::mt19937 random_;
  Tab tab_;
  PlainSnapshotHistory plain_{StyledText()};
};

TEST(SnapshotHistoryTest, RandomSessionsMatchFullCopies) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    RandomSession session(seed);
    for (int step = 0; step < 3000; ++step) {
      ASSERT_NO_FATAL_FAILURE(session.Step());
    }
  }
}

TEST(SlotHistoriesTest, EachSlotKeepsItsOwnLevelsUntilFreed) {
  SlotHistories histories;
  const auto type_one_key = [&](int slot) {
    histories.Of(slot).Notify({ChangeKind::kText, 0, {}, {"a", {'\0'}}});
    histories.Of(slot).Record();
  };
  type_one_key(2);
  type_one_key(2);
  type_one_key(5);
  EXPECT_EQ(histories.Of(2).position(), 2);
  EXPECT_EQ(histories.Of(5).position(), 1);
  EXPECT_EQ(histories.Of(0).position(), 0);
  histories.Free(2);
  EXPECT_FALSE(histories.Of(2).Undo());
  EXPECT_FALSE(histories.Of(2).LevelFilled(0));
  EXPECT_TRUE(histories.Of(5).LevelFilled(0));
}

}  // namespace
}  // namespace quillory
