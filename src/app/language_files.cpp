#include "app/language_files.h"

#include <utility>

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

// The languages shipped in the program folder, by their ISO 639-1 code.
constexpr std::pair<std::string_view, std::string_view> kShippedLanguages[] = {
    {"en", "english"}, {"ru", "russian"}};

}  // namespace

void SettleLanguage(Settings& settings, std::string_view desktop_lang) {
  if (!settings.language.empty()) return;
  settings.language = kDefaultLanguage;
  const std::string_view code =
      desktop_lang.substr(0, desktop_lang.find_first_of("_.@"));
  for (const auto& [shipped_code, folder] : kShippedLanguages) {
    if (code == shipped_code) settings.language = folder;
  }
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
