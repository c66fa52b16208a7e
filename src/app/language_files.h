#pragma once

#include <string>
#include <string_view>

#include "base/settings.h"

namespace quillory {

inline constexpr std::string_view kDefaultLanguage = "english";

enum class LanguageFile { kMain, kHelp, kAbout, kCaptions };

// An empty language setting means the default one, and from then on the
// setting says so (it is written back to settings.dat at exit).
void SettleLanguage(Settings& settings);

// `app_folder` ends in "/"; `language` is a folder name under languages/.
// The folder path ends in "/".
std::string LanguageFolderPath(std::string_view app_folder,
                               std::string_view language);
std::string LanguageFilePath(std::string_view app_folder,
                             std::string_view language, LanguageFile file);

}  // namespace quillory
