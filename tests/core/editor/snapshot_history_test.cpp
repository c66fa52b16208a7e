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
class Tab {
 public:
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
// "<" is undo and ">" redo. The levels hold the states after each change,
// so the first undo only moves the position.
TEST(SnapshotHistoryTest, SequencesOfChangesUndosAndRedos) {
  struct Row {
    std::string keys;
    std::string text;
    int position;
  };
  const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
  const Row rows[] = {
      {"ABC<", "ABC", 2},
      {"ABC<<<", "A", 0},
      {"ABC<<<<", "A", 0},
      {"ABC<<<>", "AB", 1},
      {"ABC<<<>>", "ABC", 2},
      // Only the last 21 states survive: the fifth is the oldest.
      {alphabet.substr(0, 25), alphabet.substr(0, 25), kSnapshotLevels},
      {alphabet.substr(0, 25) + std::string(30, '<'), "abcde", 0},
      // Undo at the top level shows the newest state; past it nothing is put
      // back.
      {alphabet + "<", alphabet, kSnapshotLevels - 1},
      {alphabet + "<>", alphabet, kSnapshotLevels - 1},
      // A change after undos overwrites one level and keeps those above.
      {"ABCDE<<<z", "ABCz", 3},
      {"ABCDE<<<z><<", "ABCz", 2},
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
  tab.history().Clear();  // a freshly loaded document
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
        Check(tab_.Undo(), plain_.Undo());
        break;
      case 7:
      case 8:
        Check(tab_.Redo(), plain_.Redo());
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
    tab_.Change({ChangeKind::kText,
                 at,
                 {tab_.text().substr(at, removed),
                  tab_.document().styles.substr(at, removed)},
                 {text, styles}});
  }

  void Colour() {
    const int length = static_cast<int>(tab_.text().size());
    const int at = Pick(0, length);
    const int count = Pick(0, length - at);
    tab_.Change({ChangeKind::kStyles,
                 at,
                 {"", tab_.document().styles.substr(at, count)},
                 {"", std::string(count, static_cast<char>(Pick(0, 4)))}});
  }

  void Record() {
    tab_.history().Record();
    plain_.Record(tab_.document());
  }

  void Check(bool restored, const std::optional<StyledText>& expected) {
    ASSERT_EQ(restored, expected.has_value());
    if (expected) ASSERT_EQ(tab_.document(), *expected);
  }

  std::mt19937 random_;
  Tab tab_;
  PlainSnapshotHistory plain_;
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
