#include "app/language_files.h"

namespace quillory {
namespace {

std::string_view FileName(LanguageFile file) {
  switch (file) {
    case LanguageFile::kMain:
      return "main.lng";
    case LanguageFile::kHelp:
      return "help.lng";
    case LanguageFile::kAbout:
      return "about.lng";
    case LanguageFile::kCaptions:
      return "captions.lng";
  }
  return "main.lng";
}

}  // namespace

void SettleLanguage(Settings& settings) {
  if (settings.language.empty()) settings.language = kDefaultLanguage;
}

std::string LanguageFolderPath(std::string_view app_folder,
                               std::string_view language) {
  std::string path(app_folder);
  path += "languages/";
  path += language;
  path += '/';
  return path;
}

std::string LanguageFilePath(std::string_view app_folder,
                             std::string_view language, LanguageFile file) {
  return LanguageFolderPath(app_folder, language) + std::string(FileName(file));
}

}  // namespace quillory
