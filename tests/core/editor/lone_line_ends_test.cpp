#include "editor/lone_line_ends.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

namespace quillory {
namespace {

const std::tuple<const char*, std::string_view, Extent, bool> kLoneRows[] = {
    {"empty", "", Extent::kWhole, false},
    {"pairs only", "a\r\nb\r\n", Extent::kWhole, false},
    {"lone LF", "a\r\nb\nc", Extent::kWhole, true},
    {"lone CR", "a\rb\r\n", Extent::kWhole, true},
    {"CR CR LF", "a\r\r\n", Extent::kWhole, true},
    {"LF first in a text", "\nab", Extent::kWhole, true},
    {"CR last in a text", "ab\r", Extent::kWhole, true},
    {"LF first in a slice", "\nab\r\n", Extent::kSlice, false},
    {"CR last in a slice", "a\r\nb\r", Extent::kSlice, false},
    {"LF second in a slice", "a\nb", Extent::kSlice, true},
};

TEST(LoneLineEndsTest, Rows) {
  for (const auto& [rule, bytes, extent, lone] : kLoneRows) {
    EXPECT_EQ(HasLoneLineEnd(bytes, extent), lone) << rule;
  }
}

}  // namespace
}  // namespace quillory
