#include "editor/colour_table.h"

#include "editor/run_styles.h"

namespace quillory {
namespace {

struct KindColours {
  BgrColour light;
  BgrColour dark;
};

// The colouring pass's four colours in the order of their style bits.
// NOTE: the light column must stay the pass's own colours.
constexpr KindColours kPassColours[] = {
    {ColourOf(RunKind::kReset), 0xDCDCDC},   // plain text, PHP keywords
    {ColourOf(RunKind::kTag), 0xF0B070},     // tags
    {ColourOf(RunKind::kPhp), 0xC8C84E},     // PHP blocks
    {ColourOf(RunKind::kString), 0xA0A0A0},  // strings
};

// Indexed by ScriptKind; colours as 0xBBGGRR.
constexpr KindColours kScriptColours[] = {
    {0x000000, 0xDCDCDC},  // plain
    {0x008000, 0x6A9955},  // comment (green)
    {0x1515A3, 0x7891CE},  // string (dark red / salmon)
    {0x585809, 0xA8CEB5},  // number
    {0xFF0000, 0xD69C56},  // keyword (blue)
    {0x800080, 0x70D7D7},  // selector
    {0x0000C0, 0xFEDC9C},  // property
    {0x808000, 0xC086C5},  // at-rule
    {0x0000FF, 0x6060F0},  // !important
    {0x005A8B, 0x4EC9B0},  // colour value
    {0x2060A0, 0x6969D1},  // regular expression
    {0x1515A3, 0x7891CE},  // template literal
};
static_assert(std::size(kScriptColours) == kScriptKindCount);

constexpr ScriptKind kBoldKinds[] = {ScriptKind::kKeyword, ScriptKind::kAtRule,
                                     ScriptKind::kImportant};

bool IsBoldKind(ScriptKind kind) {
  for (ScriptKind bold : kBoldKinds) {
    if (bold == kind) return true;
  }
  return false;
}

BgrColour Pick(const KindColours& colours, EditorPalette palette) {
  return palette == EditorPalette::kLight ? colours.light : colours.dark;
}

}  // namespace

StyleLook LookOfStyle(int style, EditorPalette palette) {
  if (style < kFirstScriptStyle) {
    return {Pick(kPassColours[(style >> 1) & 3], palette), StyleBold(style)};
  }
  if (style < kFirstScriptStyle + kScriptKindCount) {
    const auto kind = static_cast<ScriptKind>(style - kFirstScriptStyle);
    return {Pick(kScriptColours[style - kFirstScriptStyle], palette),
            IsBoldKind(kind)};
  }
  return {Pick(kPassColours[0], palette), false};
}

EditorChrome ChromeOf(EditorPalette palette) {
  if (palette == EditorPalette::kLight) return {0xFFFFFF, 0x000000, 0xF4F4F4};
  return {0x1E1E1E, 0xDCDCDC, 0x2A2A2A};
}

// NOTE: the weights of the eye's brightness; a window darker than middle
// grey carries light text.
EditorPalette PaletteForBackground(BgrColour window) {
  const int red = window & 0xFF;
  const int green = (window >> 8) & 0xFF;
  const int blue = (window >> 16) & 0xFF;
  return red * 299 + green * 587 + blue * 114 < 128 * 1000
             ? EditorPalette::kDark
             : EditorPalette::kLight;
}

}  // namespace quillory
