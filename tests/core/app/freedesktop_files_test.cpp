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
  EXPECT_EQ(MimeTypeForExtension(".Tpl"), "application/x-quillory-tpl");
  EXPECT_FALSE(IsOwnMimeType("text/html"));
}

TEST(DesktopEntryTest, ExecQuotesThePathAndReadsBack) {
  EXPECT_EQ(DesktopEntryExec("/opt/my q/quillory"),
            "\"/opt/my q/quillory\" %f");
  EXPECT_EQ(DesktopEntryExec("/a$b\\c%d\"e"),
            "\"/a\\\\$b\\\\\\\\c%%d\\\\\"e\" %f");
  const std::string entry =
      DesktopEntryText("/p/quillory", {kType, "text/css"});
  EXPECT_EQ(DesktopEntryValue(entry, "Exec"), DesktopEntryExec("/p/quillory"));
  EXPECT_EQ(DesktopEntryMimeTypes(entry),
            (std::vector<std::string>{kType, "text/css"}));
}

TEST(MimePackageTest, GlobsTheExtensionInLowerCase) {
  const std::string package = MimePackageText(kType, ".QLP");
  EXPECT_NE(package.find("<mime-type type=\"" + std::string(kType) + "\">"),
            std::string::npos);
  EXPECT_NE(package.find("<glob pattern=\"*.qlp\"/>"), std::string::npos);
  EXPECT_EQ(MimePackageName(kType), "x-quillory-project.xml");
}

TEST(EditMimeAppsTest, ChangesOnlyTheProgramsOwnEntry) {
  // The rule, the file's text, the change and the text it becomes.
  using Row = std::tuple<const char*, std::string, Association, Registration,
                         std::string>;
  const std::string others =
      "# kept as it is\n[Added Associations]\ntext/css=gedit.desktop;\n\n"
      "[Default Applications]\ntext/plain = gedit.desktop\n";
  const Row rows[] = {
      {"missing or empty file gets the group", "", Association::kDefault,
       Registration::kRegister,
       "[Default Applications]\n" + std::string(kType) +
           "=quillory.desktop;\n"},
      {"other groups, comments and entries kept", others, Association::kDefault,
       Registration::kRegister,
       others + std::string(kType) + "=quillory.desktop;\n"},
      {"a default goes before the others",
       "[Default Applications]\r\ntext/html=firefox.desktop;\r\n# c\r\n",
       Association::kDefault, Registration::kRegister,
       "[Default Applications]\r\ntext/html=quillory.desktop;firefox.desktop;"
       "\r\n# c\r\n"},
      {"an added program goes after the others",
       "[Added Associations]\ntext/html=a.desktop\n[X]\n", Association::kAdded,
       Registration::kRegister,
       "[Added Associations]\ntext/html=a.desktop;quillory.desktop;\n[X]\n"},
      {"last line without a line end", "[Other]\nk=v", Association::kAdded,
       Registration::kRegister,
       "[Other]\nk=v\n\n[Added Associations]\n" + std::string(kType) +
           "=quillory.desktop;\n"},
      {"unregistering keeps the others",
       "[Default Applications]\ntext/html=quillory.desktop;b.desktop;\n",
       Association::kDefault, Registration::kUnregister,
       "[Default Applications]\ntext/html=b.desktop;\n"},
      {"unregistering the last drops the line",
       "[Default Applications]\n#c\ntext/html=quillory.desktop;\nx=y;\n",
       Association::kDefault, Registration::kUnregister,
       "[Default Applications]\n#c\nx=y;\n"},
      {"unregistering in the other group changes nothing",
       "[Default Applications]\ntext/html = quillory.desktop\n",
       Association::kAdded, Registration::kUnregister,
       "[Default Applications]\ntext/html = quillory.desktop\n"},
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
