#include "insert/font_wrap.h"

#include <cstdio>

namespace quillory {

std::string HtmlColour(uint32_t colour) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%06X", colour);
  const std::string bbggrr(hex);
  return bbggrr.substr(4, 2) + bbggrr.substr(2, 2) + bbggrr.substr(0, 2);
}

FontWrap FontWrapFor(const FontChoice& choice) {
  FontWrap wrap;
  wrap.opening = "<font name=\"" + choice.face + "\" size=\"" +
                 std::to_string(choice.size) + "\" color=\"#" +
                 HtmlColour(choice.colour) + "\">";
  if (choice.bold) wrap.opening += "<b>";
  if (choice.italic) wrap.opening += "<i>";
  if (choice.underline) wrap.opening += "<u>";
  if (choice.strikethrough) wrap.opening += "<s>";
  if (choice.strikethrough) wrap.closing += "</s>";
  if (choice.underline) wrap.closing += "</u>";
  if (choice.italic) wrap.closing += "</i>";
  if (choice.bold) wrap.closing += "</b>";
  wrap.closing += "</font>";
  return wrap;
}

FontChoice ChooserStart(FontChoice remembered) {
  if (remembered.face.empty()) remembered.face = "Arial";
  if (remembered.size == 0) remembered.size = 9;
  return remembered;
}

}  // namespace quillory
