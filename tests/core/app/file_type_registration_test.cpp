#include "app/file_type_registration.h"

#include <string>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

constexpr char kProgram[] = "/opt/quillory/quillory";

class FileTypeRegistrationTest : public ::testing::Test {
 protected:
  testing::TestFolder folder_;
  FreedesktopFolders folders_{folder_.Path("data/"), folder_.Path("config/")};
};

TEST_F(FileTypeRegistrationTest, RegisteringIsReadBackPerAssociation) {
  const std::string others = "[Default Applications]\ntext/css=x.desktop;\n";
  folder_.Write("config/mimeapps.list", others);
  RegisterFileType(folders_, kProgram, ".QLP", Registration::kRegister,
                   Association::kDefault);
  EXPECT_TRUE(
      IsFileTypeRegistered(folders_, kProgram, ".qlp", Association::kDefault));
  EXPECT_FALSE(
      IsFileTypeRegistered(folders_, kProgram, ".qlp", Association::kAdded));
  EXPECT_FALSE(IsFileTypeRegistered(folders_, "/elsewhere/quillory", ".qlp",
                                    Association::kDefault));
  EXPECT_TRUE(folder_.Exists("data/mime/packages/x-quillory-project.xml"));

  RegisterFileType(folders_, kProgram, ".css", Registration::kRegister,
                   Association::kAdded);
  EXPECT_TRUE(
      IsFileTypeRegistered(folders_, kProgram, ".css", Association::kAdded));
  RegisterFileType(folders_, kProgram, ".qlp", Registration::kUnregister,
                   Association::kDefault);
  EXPECT_FALSE(
      IsFileTypeRegistered(folders_, kProgram, ".qlp", Association::kDefault));
  EXPECT_TRUE(
      IsFileTypeRegistered(folders_, kProgram, ".css", Association::kAdded));
  EXPECT_EQ(folder_.Read("config/mimeapps.list"),
            others + "\n[Added Associations]\ntext/css=quillory.desktop;\n");
}

TEST_F(FileTypeRegistrationTest, NothingWrittenIsNotRegistered) {
  EXPECT_FALSE(
      IsFileTypeRegistered(folders_, kProgram, ".qlp", Association::kDefault));
}

}  // namespace
}  // namespace quillory
