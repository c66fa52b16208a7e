#include "app/ui/utf8_conversion_offer.h"

#include <QString>

#include <string>

#include "app/ui/change_handler.h"
#include "editor/editing_guards.h"
#include "editor/ui/editor.h"
#include "editor/ui/highlighter.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

std::string Question(char32_t character) {
  const QString shown = QString::fromUcs4(&character, 1);
  const QString code = QString("U+%1")
                           .arg(static_cast<uint>(character), 4, 16, QChar('0'))
                           .toUpper();
  return QString(
             "This document is stored as Windows-1252, which has no "
             "character \"%1\" (%2).\n\n"
             "Convert the whole document to UTF-8 and insert it?\n"
             "Yes converts every character of the document to UTF-8, and "
             "saving then writes the file as UTF-8. No inserts nothing.")
      .arg(shown, code)
      .toStdString();
}

}  // namespace

Utf8ConversionOffer::Utf8ConversionOffer(Editor& rich, HtmlParse& highlighter,
                                         EditingGuards& guards,
                                         ChangeHandler& change,
                                         Dialogs& dialogs, QObject* parent)
    : QObject(parent),
      rich_(rich),
      highlighter_(highlighter),
      guards_(guards),
      change_(change),
      dialogs_(dialogs) {}

// The conversion is a change of its own, so Undo can take back the text
// that follows it without taking back the conversion.
bool Utf8ConversionOffer::ConvertToHold(char32_t character) {
  if (dialogs_.AskYesNo(Question(character), MessageIcon::kWarning) ==
      Answer::kNo) {
    return false;
  }
  {
    const ScopedFlag parsing(guards_.parsing_now);
    rich_.ConvertToUtf8();
    highlighter_.SetForParsing(rich_, 1, rich_.Length());
  }
  change_.OnChange();
  return true;
}

}  // namespace quillory
