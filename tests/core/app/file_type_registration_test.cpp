#include "app/file_type_registration.h"

#include <string>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

using enum Association;
using enum Registration;

constexpr char kEntry[] = "[Desktop Entry]\nExec=quillory %f\n";
constexpr char kPackage[] = "<mime-info/>\n";
constexpr char kEntryFile[] = "data/applications/quillory.desktop";
constexpr char kPackageFile[] = "data/mime/packages/quillory.xml";
const std::string kType(kProjectMimeType);

DesktopProgram Program(Layout layout, const std::string& path) {
  return {path, layout, kEntry, kPackage};
}

TEST(FileTypeRegistrationTest, BuildFolderCopyWritesItsOwnEntryAndTypes) {
  const testing::TestFolder folder;
  const FreedesktopFolders folders{folder.Path("data/"),
                                   folder.Path("config/")};
  const DesktopProgram copy = Program(Layout::kBuildFolder, "/b/quillory");
  const std::string others = "[Default Applications]\ntext/css=x.desktop;\n";
  // Nothing is written yet.
  EXPECT_FALSE(IsFileTypeRegistered(folders, copy, kType, kDefault));
  folder.Write("config/mimeapps.list", others);
  RegisterFileType(folders, copy, kType, kRegister, kDefault);
  EXPECT_TRUE(IsFileTypeRegistered(folders, copy, kType, kDefault));
  EXPECT_FALSE(IsFileTypeRegistered(folders, copy, kType, kAdded));
  EXPECT_FALSE(IsFileTypeRegistered(
      folders, Program(Layout::kBuildFolder, "/elsewhere/quillory"), kType,
      kDefault));
  EXPECT_EQ(folder.Read(kEntryFile), UserDesktopEntry(kEntry, "/b/quillory"));
  EXPECT_EQ(folder.Read(kPackageFile), kPackage);

  RegisterFileType(folders, copy, "text/css", kRegister, kAdded);
  RegisterFileType(folders, copy, kType, kUnregister, kDefault);
  EXPECT_FALSE(IsFileTypeRegistered(folders, copy, kType, kDefault));
  EXPECT_TRUE(IsFileTypeRegistered(folders, copy, "text/css", kAdded));
  EXPECT_EQ(folder.Read("config/mimeapps.list"),
            others + "\n[Added Associations]\ntext/css=quillory.desktop;\n");

  UnregisterAll(folders);
  EXPECT_EQ(folder.Read("config/mimeapps.list"),
            others + "\n[Added Associations]\n");
  EXPECT_FALSE(folder.Exists(kEntryFile));
  EXPECT_FALSE(folder.Exists(kPackageFile));
}

TEST(FileTypeRegistrationTest, InstalledProgramNamesThePackagesEntryOnly) {
  const testing::TestFolder folder;
  const FreedesktopFolders folders{folder.Path("data/"),
                                   folder.Path("config/")};
  const DesktopProgram installed = Program(Layout::kInstalled, "/usr/bin/q");
  RegisterFileType(folders, installed, "application/x-php", kRegister,
                   kDefault);
  EXPECT_TRUE(
      IsFileTypeRegistered(folders, installed, "application/x-php", kDefault));
  EXPECT_FALSE(folder.Exists(kEntryFile));
  EXPECT_FALSE(folder.Exists(kPackageFile));

  // An entry the user put there (a prefix under ~/.local) is not the
  // program's to remove.
  folder.Write(kEntryFile, kEntry);
  UnregisterAll(folders);
  EXPECT_EQ(folder.Read("config/mimeapps.list"), "[Default Applications]\n");
  EXPECT_TRUE(folder.Exists(kEntryFile));
}

}  // namespace
}  // namespace quillory
