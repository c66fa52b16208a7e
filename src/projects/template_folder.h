#pragma once

#include <string>
#include <vector>

namespace quillory {

// One template file, as the template window lists it.
struct TemplateFile {
  std::string name;  // the file name, extension included
  std::string path;  // the full path it is read from
};

// Where templates are read from: the program's own and the user's. Both
// paths end in "/".
struct TemplateFolders {
  std::string program;
  std::string user;
};

// The templates folders under the program folder and the per-user folder.
TemplateFolders TemplateFoldersOf(const std::string& program_folder,
                                  const std::string& user_folder);

// The regular files of both folders, sorted by name; a user's template
// hides the program's template of the same name. Sub-folders and anything
// else that is not a file are left out; a missing or unreadable folder
// holds no templates.
std::vector<TemplateFile> ListTemplates(const TemplateFolders& folders);

// The folder a new template goes to: the program's when it can be written
// to (made when missing), else the user's, made when missing. Empty when
// neither can be written.
std::string TemplateWriteFolder(const TemplateFolders& folders);

}  // namespace quillory
