#include "app/ui/interface_language.h"

#include <QMainWindow>
#include <QMenuBar>

#include <cstdlib>

#include "app/language_files.h"
#include "app/ui/interface_captions.h"
#include "app/ui/menu_keys.h"
#include "app/ui/toolkit_translations.h"
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/settings.h"

namespace quillory {
namespace {

// The language's code for Qt's own translations, in captions.lng.
constexpr char kLocaleCaption[] = "Locale";

}  // namespace

void LoadInterfaceLanguage(QMainWindow& window,
                           const std::string& program_folder,
                           Settings& settings, const InterfaceTexts& texts) {
  const char* desktop_lang = std::getenv("LANG");
  SettleLanguage(settings, desktop_lang != nullptr ? desktop_lang : "");
  const auto path = [&](LanguageFile file) {
    return LanguageFilePath(program_folder, settings.language, file);
  };
  const bool loaded = texts.lang.LoadFromFile(path(LanguageFile::kMain));
  if (!loaded && texts.lang.Size() > 0) return;
  ApplyInterfaceCaptions(window, texts.lang);
  texts.captions.LoadFromFile(path(LanguageFile::kCaptions));
  ApplyNamedCaptions(window, texts.captions);
  texts.translations.Use(texts.captions.Find(kLocaleCaption));
  MarkMenuBarMnemonics(*window.menuBar());
}

}  // namespace quillory
