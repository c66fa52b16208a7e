#pragma once

#include <string>
#include <string_view>

#include "base/settings.h"

namespace quillory {

inline constexpr std::string_view kDefaultLanguage = "english";

enum class LanguageFile { kMain, kHelp, kAbout, kCaptions };

// An empty language setting (the first start) takes the shipped language
// of the desktop's `LANG` ("ru_RU.UTF-8": russian), else the default one,
// and from then on the setting says so (it is written back at exit).
void SettleLanguage(Settings& settings, std::string_view desktop_lang);

// `app_folder` ends in "/"; `language` is a folder name under languages/.
// The folder path ends in "/".
std::string LanguageFolderPath(std::string_view app_folder,
                               std::string_view language);
std::string LanguageFilePath(std::string_view app_folder,
                             std::string_view language, LanguageFile file);

}  // namespace quillory
