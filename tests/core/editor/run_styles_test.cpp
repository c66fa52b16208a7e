#include "editor/run_styles.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "core/editor/format_runs.h"
#include "editor/style_stretches.h"

namespace quillory {
namespace {

using enum RunKind;

TEST(RunStylesTest, EachColourAndBoldPairHasItsOwnStyle) {
  for (int style = 0; style < kRunStyleCount; ++style) {
    for (int other = style + 1; other < kRunStyleCount; ++other) {
      EXPECT_FALSE(StyleColour(style) == StyleColour(other) &&
                   StyleBold(style) == StyleBold(other));
    }
  }
  EXPECT_EQ(StyleColour(0), 0u);
  EXPECT_FALSE(StyleBold(0));
}

using Look = std::pair<BgrColour, bool>;  // colour and bold

std::vector<Look> LooksOf(const std::string& styles) {
  std::vector<Look> looks;
  for (char style : styles)
    looks.push_back({StyleColour(style), StyleBold(style)});
  return looks;
}

// Each run byte by byte: the colour replaced, the bold bit as it says.
std::vector<Look> ApplyLiterally(const Runs& runs, std::vector<Look> looks) {
  for (const FormatRun& run : runs) {
    for (int64_t at = run.first; at <= run.last(); ++at) {
      Look& look = looks[at - 1];
      look = {ColourOf(run.kind),
              run.bold() == BoldChange::kOn ||
                  (run.bold() == BoldChange::kKeep && look.second)};
    }
  }
  return looks;
}

TEST(RunStylesTest, RandomRunListsApplyAsEachRunByteByByte) {
  std::mt19937 engine(11);
  const auto between = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine);
  };
  const RunKind kinds[] = {kReset, kTag, kPhp, kKeyword, kString};
  for (int round = 0; round < 5000; ++round) {
    Runs runs;
    if (round % 4 != 0) {
      runs.push_back(Reset(between(3, 8), between(9, 20)));
      if (round % 8 == 1) runs.push_back(Reset(runs[0].last() + 1, 24));
    }
    for (int i = between(0, 8); i > 0; --i) {
      const int first = between(1, 24);
      const RunKind kind = kinds[between(round % 3 == 0 ? 0 : 1, 4)];
      runs.push_back(
          {first, static_cast<uint32_t>(between(1, 25 - first)), kind});
    }
    std::string before(24, 0);
    for (char& style : before) style = static_cast<char>(between(0, 7));
    ASSERT_EQ(LooksOf(Applied(runs, before)),
              ApplyLiterally(runs, LooksOf(before)))
        << ::testing::PrintToString(runs);
  }
}

// A whole text's runs are megabytes, so a run stays at 16 bytes.
TEST(FormatRunTest, RunTooLongForOneEntryIsSplitIntoLikeRuns) {
  std::vector<FormatRun> runs;
  const int64_t longest = 0xFFFFFFFF;
  AddRun(runs, 5, 5 + longest, kTag);
  EXPECT_EQ(runs, (Runs{{5, 0xFFFFFFFF, kTag}, {5 + longest, 1, kTag}}));
  EXPECT_EQ(sizeof(FormatRun), 16u);
}

// Stretches are compared a word at a time; a difference anywhere in a word,
// or in the short tail, must still end the stretch at its own byte.
TEST(StretchEndTest, EndsAtTheFirstDifferentByte) {
  const std::tuple<std::string, size_t, size_t> rows[] = {
      {"a", 0, 1},
      {"ab", 0, 1},
      {"aaaa", 1, 4},
      {std::string(19, 'x') + "y", 0, 19},       // tail after whole words
      {std::string(11, 'x') + "yxxxxx", 2, 11},  // inside a word
      {std::string(9, 'x') + "y", 0, 9},         // at a word start
      {"\xff\xff\xfe\xff", 0, 2},                // high bytes as bytes
      {std::string(10, '\0') + "\x01", 3, 10},
      {std::string(1000, '\x06'), 500, 1000},
  };
  for (const auto& [bytes, from, end] : rows) {
    EXPECT_EQ(StretchEnd(bytes, from), end) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace quillory
