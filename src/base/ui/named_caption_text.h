#pragma once

#include <QString>

#include <string_view>

#include "base/named_captions.h"
#include "base/ui/display_text.h"

namespace quillory {

// A caption from the language's named texts as a window shows it, or
// `english` where the language has none.
inline QString NamedCaption(const NamedCaptions& captions,
                            std::string_view name, std::string_view english) {
  return DecodeForDisplay(captions.FindOr(name, english));
}

// Why the settings window refuses a value: settings.dat holds one a line.
inline QString LineBreakRefusal(const NamedCaptions& captions) {
  return NamedCaption(captions, "SettingsF.LineBreak",
                      "A setting cannot hold a line break.");
}

}  // namespace quillory
