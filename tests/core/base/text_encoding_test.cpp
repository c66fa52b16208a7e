#include "base/text_encoding.h"

#include <gtest/gtest.h>

#include <tuple>

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

using EncodingRow = std::tuple<const char*, std::string_view, std::string_view,
                               std::optional<char32_t>>;
const EncodingRow kEncodingRows[] = {
    {"ASCII as it is", "<p>", "<p>", std::nullopt},
    {"euro sign", "\u20AC", "\x80", std::nullopt},
    {"quotes and dashes", "\u201C\u2013\u201D", "\x93\x96\x94", std::nullopt},
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

}  // namespace
}  // namespace quillory
