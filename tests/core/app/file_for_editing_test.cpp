#include "app/file_for_editing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <tuple>

#include "base/document_line_ends.h"
#include "base/text_encoding.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using enum LineEnds;

// A device or FIFO could hand out bytes for ever or wait for a writer
// that never comes: neither is surveyed nor read.
TEST(SurveyFileTest, NothingForWhatIsNotARegularFile) {
  testing::TestFolder folder;
  const std::string fifo = folder.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {folder.Path("missing"), folder.Path(""), fifo,
                                  std::string("/dev/zero")}) {
    EXPECT_FALSE(SurveyFile(path)) << path;
    EXPECT_FALSE(ReadForEditing(path, kAsStored, [](std::string_view) {}))
        << path;
  }
}

// The editor holds CR LF only where every stored line end was LF, and saving
// unchanged gives back the stored bytes. A file read a piece at a time
// gives the editor the same bytes.
TEST(HoldForEditingTest, EveryKindOfTextComesBackUnchanged) {
  testing::TestFolder folder;
  const std::string piece((1 << 20) - 1, 'x');  // files are read by the MB
  const std::tuple<const char*, std::string, std::string, LineEnds> rows[] = {
      {"LF only", "a\nb\n", "a\r\nb\r\n", kLfOnly},
      {"CR LF", "a\r\nb", "a\r\nb", kAsStored},
      {"mixed", "a\r\nb\nc\rd", "a\r\nb\nc\rd", kAsStored},
      {"CR only", "a\rb\r", "a\rb\r", kAsStored},
      {"empty", "", "", kAsStored},
      {"NUL and byte 26 with LF", std::string("\0\n\x1A\n", 4),
       std::string("\0\r\n\x1A\r\n", 6), kLfOnly},
      {"LF after the first piece", piece + "\xC3\xA9\n", piece + "\xC3\xA9\r\n",
       kLfOnly},
      {"cut UTF-8 after the first piece", piece + "\xC3x\r\n",
       piece + "\xC3x\r\n", kAsStored},
  };
  for (const auto& [rule, stored, text, line_ends] : rows) {
    SCOPED_TRACE(rule);
    const HeldText held = HoldForEditing(stored);
    EXPECT_EQ(held.text, text);
    EXPECT_EQ(held.line_ends, line_ends);
    EXPECT_EQ(BytesToStore(held.text, held.line_ends), stored);

    const std::string path = folder.Write("file", stored);
    const std::optional<FileSurvey> survey = SurveyFile(path);
    ASSERT_TRUE(survey);
    EXPECT_EQ(survey->line_ends, line_ends);
    EXPECT_EQ(survey->editing_size, std::ssize(text));
    EXPECT_EQ(survey->valid_utf8, IsValidUtf8(stored));
    std::string read;
    EXPECT_TRUE(ReadForEditing(
        path, line_ends, [&read](std::string_view bytes) { read += bytes; }));
    EXPECT_EQ(read, text);
  }
}

}  // namespace
}  // namespace quillory
