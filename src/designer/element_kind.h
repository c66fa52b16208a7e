#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillory {

// The eight kinds of designer element; the numbers are the kind codes the
// property panel is given, and the order is the order of the HTML text.
enum class ElementKind {
  kLabel = 0,
  kText,
  kButton,
  kCheck,
  kRadio,
  kList,
  kImage,
  kLink
};
inline constexpr int kElementKindCount = 8;
inline constexpr std::array<ElementKind, kElementKindCount> kElementKinds = {
    ElementKind::kLabel, ElementKind::kText,  ElementKind::kButton,
    ElementKind::kCheck, ElementKind::kRadio, ElementKind::kList,
    ElementKind::kImage, ElementKind::kLink};
// The kind code of the canvas itself in the property panel.
inline constexpr int kCanvasCode = -1;

// What a kind is called and how it starts. Sizes are twips.
struct KindInfo {
  std::string_view type_text;  // "Label", shown in the panel's type field
  std::string_view toolbox;    // the toolbox item's object name, "Lbl"
  std::string_view tooltip;    // "Add Label"
  int caption_entry;           // language entry of the toolbox caption; -1 none
  float width;
  float height;
};

const KindInfo& InfoOf(ElementKind kind);
int CodeOf(ElementKind kind);
// By type text or toolbox name in any letter case; empty for any other text
// ("body" included).
std::optional<ElementKind> KindFromTypeText(std::string_view text);
std::optional<ElementKind> KindFromToolbox(std::string_view name);

}  // namespace quillory
