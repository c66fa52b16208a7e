#pragma once

#include <string>

class QMainWindow;

namespace quillory {

class LangTable;
class NamedCaptions;
class ToolkitTranslations;
struct Settings;

// What the interface's language is made of.
struct InterfaceTexts {
  LangTable& lang;
  NamedCaptions& captions;
  ToolkitTranslations& translations;  // Qt's own texts
};

// Loads the texts of the language `settings` name (settled first) from
// the program folder, which ends in "/", and captions `window` with them.
// A language without main.lng keeps the captions shown so far.
void LoadInterfaceLanguage(QMainWindow& window,
                           const std::string& program_folder,
                           Settings& settings, const InterfaceTexts& texts);

}  // namespace quillory
