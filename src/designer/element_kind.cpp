#include "designer/element_kind.h"

#include "base/text_util.h"

namespace quillory {
namespace {

constexpr std::array<KindInfo, kElementKindCount> kInfo = {{
    {"Label", "Lbl", "Add Label", 15, 855, 255},
    {"Text", "Txt", "Add Text Field", 16, 1695, 360},
    {"Button", "Cmd", "Add Button", 17, 975, 375},
    {"Check", "Chk", "Add CheckBox", 18, 1215, 255},
    {"Radio", "Opt", "Add Radio button", 19, 1695, 255},
    {"List", "Cmb", "Add ListBox", 20, 1095, 300},
    {"Image", "Img", "Add image", -1, 255, 255},
    {"Link", "Frm", "Add link", 21, 735, 255},
}};

template <typename Field>
std::optional<ElementKind> FindKind(std::string_view text, Field field) {
  for (ElementKind kind : kElementKinds) {
    if (EqualsIgnoringCase(InfoOf(kind).*field, text)) return kind;
  }
  return std::nullopt;
}

}  // namespace

const KindInfo& InfoOf(ElementKind kind) {
  return kInfo[static_cast<size_t>(kind)];
}

int CodeOf(ElementKind kind) { return static_cast<int>(kind); }

std::optional<ElementKind> KindFromTypeText(std::string_view text) {
  return FindKind(text, &KindInfo::type_text);
}

std::optional<ElementKind> KindFromToolbox(std::string_view name) {
  return FindKind(name, &KindInfo::toolbox);
}

}  // namespace quillory
