#include "projects/template_folder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace quillory {
namespace {

namespace fs = std::filesystem;

constexpr char kTemplates[] = "templates/";

std::string WithSlash(const std::string& folder) {
  return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

// NOTE: the listing goes on past entries it cannot stat, so one broken
// link does not hide the other templates.
void AddFiles(const std::string& folder,
              std::map<std::string, std::string>& by_name) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code type_error;
    if (!it->is_regular_file(type_error)) continue;
    const std::string name = it->path().filename().string();
    by_name[name] = folder + name;
  }
}

bool IsWritableFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error) &&
         access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

TemplateFolders TemplateFoldersOf(const std::string& program_folder,
                                  const std::string& user_folder) {
  return {WithSlash(program_folder) + kTemplates,
          WithSlash(user_folder) + kTemplates};
}

std::vector<TemplateFile> ListTemplates(const TemplateFolders& folders) {
  std::map<std::string, std::string> by_name;
  AddFiles(folders.program, by_name);
  if (folders.user != folders.program) AddFiles(folders.user, by_name);
  std::vector<TemplateFile> files;
  files.reserve(by_name.size());
  for (auto& [name, path] : by_name) files.push_back({name, path});
  return files;
}

std::string TemplateWriteFolder(const TemplateFolders& folders) {
  for (const std::string& folder : {folders.program, folders.user}) {
    if (IsWritableFolder(folder)) return folder;
  }
  return {};
}

}  // namespace quillory
