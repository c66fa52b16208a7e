#include "base/text_encoding.h"

#include <gtest/gtest.h>

#include <tuple>

#include "editor/lone_line_ends.h"
#include "editor/status_line.h"

namespace quillory {
namespace {

// Every byte decodes to one character and that character encodes back to
// the byte, the five the code page leaves undefined included.
TEST(TextEncodingTest, EveryWindows1252ByteRoundTrips) {
  for (int value = 0; value < 0x100; ++value) {
    const std::string byte(1, static_cast<char>(value));
    const EncodedText back = Utf8ToWindows1252(Windows1252ToUtf8(byte));
    EXPECT_EQ(back.bytes, byte) << "byte " << value;
    EXPECT_FALSE(back.unheld) << "byte " << value;
  }
}

const std::tuple<const char*, std::string_view, std::string_view,
                 std::optional<char32_t>>
    kEncodingRows[] = {
        {"ASCII as it is", "<p>", "<p>", std::nullopt},
        {"euro sign", "\u20AC", "\x80", std::nullopt},
        {"quotes and dashes", "\u201C\u2013\u201D", "\x93\x96\x94",
         std::nullopt},
        {"Latin-1 letter", "caf\u00E9", "caf\xE9", std::nullopt},
        {"undefined byte's own control", "\u0081", "\x81", std::nullopt},
        {"C1 control the code page replaced", "\u0080", "", U'\u0080'},
        {"arrow", "a\u2192b", "", U'\u2192'},
        {"first of several", "\u2192\u03B1", "", U'\u2192'},
        {"outside the BMP", "\U0001F600", "", U'\U0001F600'},
        {"malformed sequence", "a\xC3", "", U'\uFFFD'},
};

TEST(TextEncodingTest, Utf8ToWindows1252Rows) {
  for (const auto& [rule, utf8, bytes, unheld] : kEncodingRows) {
    const EncodedText encoded = Utf8ToWindows1252(utf8);
    EXPECT_EQ(encoded.bytes, bytes) << rule;
    EXPECT_EQ(encoded.unheld, unheld) << rule;
  }
}

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

// Lines count the CR LF pairs before the caret; lone line ends do not.
// The captions are the key handler's widget test.
TEST(StatusLineTest, PlaceOfCaret) {
  EXPECT_EQ(PlaceOfCaret("", 0), (CaretPlace{1, 0}));
  EXPECT_EQ(PlaceOfCaret("abc", 0), (CaretPlace{1, 0}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef", 3), (CaretPlace{1, 3}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 5), (CaretPlace{2, 0}));
  EXPECT_EQ(PlaceOfCaret("abc\r\ndef\r\ngh", 12), (CaretPlace{3, 2}));
  EXPECT_EQ(PlaceOfCaret("ab\r\ncd", 3), (CaretPlace{1, 3}));  // CR|LF
  EXPECT_EQ(PlaceOfCaret("ab\ncd", 4), (CaretPlace{1, 4}));
}

}  // namespace
}  // namespace quillory
