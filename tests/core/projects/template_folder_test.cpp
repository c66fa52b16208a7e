#include "projects/template_folder.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

TEST(TemplateFolderTest, ListsFilesOfBothFoldersByName) {
  testing::TestFolder folder;
  const TemplateFolders folders =
      TemplateFoldersOf(folder.Path("program"), folder.Path("user/"));
  EXPECT_EQ(folders.program, folder.Path("program/templates/"));
  EXPECT_TRUE(ListTemplates(folders).empty());  // neither folder is there yet
  folder.Write("program/templates/b.html", "b");
  folder.Write("program/templates/same.css", "program's");
  folder.Write("program/templates/sub/inside.html", "in a sub-folder");
  folder.Write("program/templates/README", "no dot");
  folder.Write("user/templates/a.js", "a");
  folder.Write("user/templates/same.css", "user's");
  std::filesystem::create_symlink(folder.Path("missing"),
                                  folder.Path("program/templates/broken.html"));

  std::vector<std::string> paths;
  for (const TemplateFile& file : ListTemplates(folders))
    paths.push_back(file.path);
  EXPECT_EQ(paths,
            (std::vector<std::string>{folder.Path("program/templates/README"),
                                      folder.Path("user/templates/a.js"),
                                      folder.Path("program/templates/b.html"),
                                      folder.Path("user/templates/same.css")}));
}

TEST(TemplateFolderTest, WritesToTheUserFolderWhenTheProgramsCannotBeMade) {
  testing::TestFolder folder;
  const TemplateFolders folders =
      TemplateFoldersOf(folder.Path("program/"), folder.Path("user/"));
  EXPECT_EQ(TemplateWriteFolder(folders), folders.program);
  std::filesystem::remove_all(folders.program);
  folder.Write("program/templates", "a file where the folder should be");
  EXPECT_EQ(TemplateWriteFolder(folders), folders.user);
  EXPECT_TRUE(std::filesystem::is_directory(folders.user));
}

}  // namespace
}  // namespace quillory
