#include "app/file_type_registration.h"

#include <string>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

constexpr char kProgram[] = "/opt/quillory/quillory";

TEST(FileTypeRegistrationTest, RegisteringIsReadBackPerAssociation) {
  const testing::TestFolder folder;
  const FreedesktopFolders folders{folder.Path("data/"),
                                   folder.Path("config/")};
  const std::string others = "[Default Applications]\ntext/css=x.desktop;\n";
  EXPECT_FALSE(  // nothing written yet
      IsFileTypeRegistered(folders, kProgram, ".qlp", Association::kDefault));
  folder.Write("config/mimeapps.list", others);
  RegisterFileType(folders, kProgram, ".QLP", Registration::kRegister,
                   Association::kDefault);
  EXPECT_TRUE(
      IsFileTypeRegistered(folders, kProgram, ".qlp", Association::kDefault));
  EXPECT_FALSE(
      IsFileTypeRegistered(folders, kProgram, ".qlp", Association::kAdded));
  EXPECT_FALSE(IsFileTypeRegistered(folders, "/elsewhere/quillory", ".qlp",
                                    Association::kDefault));
  EXPECT_TRUE(folder.Exists("data/mime/packages/x-quillory-project.xml"));

  RegisterFileType(folders, kProgram, ".css", Registration::kRegister,
                   Association::kAdded);
  EXPECT_TRUE(
      IsFileTypeRegistered(folders, kProgram, ".css", Association::kAdded));
  RegisterFileType(folders, kProgram, ".qlp", Registration::kUnregister,
                   Association::kDefault);
  EXPECT_FALSE(
      IsFileTypeRegistered(folders, kProgram, ".qlp", Association::kDefault));
  EXPECT_TRUE(
      IsFileTypeRegistered(folders, kProgram, ".css", Association::kAdded));
  EXPECT_EQ(folder.Read("config/mimeapps.list"),
            others + "\n[Added Associations]\ntext/css=quillory.desktop;\n");
}

}  // namespace
}  // namespace quillory
