#include "platform/freedesktop_files.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace quillory {
namespace {

constexpr char kId[] = "quillory.desktop";
constexpr char kType[] = "application/x-quillory-project";

TEST(MimeTypeForExtensionTest, WebFilesKeepTheDesktopsTypes) {
  EXPECT_EQ(MimeTypeForExtension(".HTM"), "text/html");
  EXPECT_EQ(MimeTypeForExtension(".QLP"), kType);
  EXPECT_EQ(MimeTypeForExtension(".tpl"), "");
  const std::vector<OpenedType> types = OpenedTypes();
  ASSERT_EQ(types.size(), 5u);
  EXPECT_EQ(types[3].mime_type, "application/x-php");
  EXPECT_EQ(types[3].extensions,
            (std::vector<std::string>{".php", ".phtml", ".php3"}));
}

TEST(DesktopEntryTest, ExecQuotesOnlyWhenTheRulesAsk) {
  // The rule, the program's path and the Exec value.
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"a plain path stays bare", "/opt/q/quillory", "/opt/q/quillory %f"},
      {"a blank asks for quotes", "/opt/my q/quillory",
       "\"/opt/my q/quillory\" %f"},
      {"a percent is doubled, bare or quoted", "/a%b", "/a%%b %f"},
      {"quoted reserved characters are escaped, then the string", "/a$b\\c\"e",
       "\"/a\\\\$b\\\\\\\\c\\\\\"e\" %f"},
  };
  for (const auto& [rule, path, exec] : rows) {
    EXPECT_EQ(DesktopEntryExec(path), exec) << rule;
  }
}

TEST(DesktopEntryTest, UserEntryStartsThisCopyAndKeepsTheShippedTypes) {
  const std::string shipped =
      "[Desktop Entry]\nName=Quillory\nExec=quillory %f\nMimeType=" +
      std::string(kType) + ";text/css;\n";
  const std::string entry = UserDesktopEntry(shipped, "/b/my build/quillory");
  EXPECT_EQ(DesktopEntryValue(entry, "Exec"), "\"/b/my build/quillory\" %f");
  EXPECT_EQ(DesktopEntryValue(entry, "TryExec"), "/b/my build/quillory");
  EXPECT_EQ(DesktopEntryValue(entry, "MimeType"),
            DesktopEntryValue(shipped, "MimeType"));
  EXPECT_TRUE(IsUserDesktopEntry(entry));
  EXPECT_FALSE(IsUserDesktopEntry(shipped));
}

TEST(EditMimeAppsTest, ChangesOnlyTheProgramsOwnEntry) {
  using enum Association;
  using enum Registration;
  // The rule, the file's text, the change and the text it becomes.
  using Row = std::tuple<const char*, std::string, Association, Registration,
                         std::string>;
  const std::string others =
      "# kept as it is\n[Added Associations]\ntext/css=gedit.desktop;\n\n"
      "[Default Applications]\ntext/plain = gedit.desktop\n";
  const Row rows[] = {
      {"missing or empty file gets the group", "", kDefault, kRegister,
       "[Default Applications]\n" + std::string(kType) +
           "=quillory.desktop;\n"},
      {"other groups, comments and entries kept", others, kDefault, kRegister,
       others + std::string(kType) + "=quillory.desktop;\n"},
      {"a default goes before the others",
       "[Default Applications]\r\ntext/html=firefox.desktop;\r\n# c\r\n",
       kDefault, kRegister,
       "[Default Applications]\r\ntext/html=quillory.desktop;firefox.desktop;"
       "\r\n# c\r\n"},
      {"an added program goes after the others",
       "[Added Associations]\ntext/html=a.desktop\n[X]\n", kAdded, kRegister,
       "[Added Associations]\ntext/html=a.desktop;quillory.desktop;\n[X]\n"},
      {"last line without a line end", "[Other]\nk=v", kAdded, kRegister,
       "[Other]\nk=v\n\n[Added Associations]\n" + std::string(kType) +
           "=quillory.desktop;\n"},
      {"unregistering keeps the others",
       "[Default Applications]\ntext/html=quillory.desktop;b.desktop;\n",
       kDefault, kUnregister, "[Default Applications]\ntext/html=b.desktop;\n"},
      {"unregistering the last drops the line",
       "[Default Applications]\n#c\ntext/html=quillory.desktop;\nx=y;\n",
       kDefault, kUnregister, "[Default Applications]\n#c\nx=y;\n"},
      {"unregistering in the other group changes nothing",
       "[Default Applications]\ntext/html = quillory.desktop\n", kAdded,
       kUnregister, "[Default Applications]\ntext/html = quillory.desktop\n"},
  };
  for (const auto& [rule, text, association, registration, expected] : rows) {
    const std::string type =
        text.find("text/html") != std::string::npos ? "text/html" : kType;
    EXPECT_EQ(EditMimeApps(text, type, kId, association, registration),
              expected)
        << rule;
  }
}

}  // namespace
}  // namespace quillory
