#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "designer/element_kind.h"

namespace quillory {

// One slot of a kind's table. Metrics are twips from the canvas's inner
// top-left corner, and may be negative or fractional.
struct DesignElement {
  bool present = false;
  std::string name;   // for a Link, the visible link text
  std::string value;  // unused by a List
  bool checked = false;
  bool in_percent = false;
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  // A List's entries; LastItem is items.size() - 1.
  std::vector<std::string> items;
};

inline constexpr int kDesignSlots = 201;
inline constexpr int kMaxItems = 301;
using KindTable = std::array<DesignElement, kDesignSlots>;

// Sizes in twips; colour 0x00BBGGRR. The previous size is that of the last
// layout, whole twips, 0 until there was one.
struct Canvas {
  float width = 0;
  float height = 0;
  uint32_t colour = 0xFFFFFF;
  int32_t previous_width = 0;
  int32_t previous_height = 0;
};

// The designer's elements and canvas, without any window. Lives for the
// whole run: closing the designer frees the slots but keeps their fields.
class DesignModel {
 public:
  DesignElement& At(ElementKind kind, int index);
  const DesignElement& At(ElementKind kind, int index) const;
  const Canvas& CanvasState() const { return canvas_; }
  Canvas& CanvasState() { return canvas_; }

  // The lowest free index of the kind; empty when all 201 are present.
  std::optional<int> LowestFree(ElementKind kind) const;
  // Puts a new element in the lowest free slot with its defaults and
  // returns the index. `caption` is the kind's toolbox caption, the default
  // value (the name of a Link). Slot 0 keeps the size it had.
  std::optional<int> Create(ElementKind kind, float left, float top,
                            std::string_view caption);
  // Frees every slot, as closing the window does.
  void FreeAll();
  void AllToPercent();
  // The canvas takes its new size; percent elements keep their share of it.
  void Resize(float width, float height);

 private:
  std::array<KindTable, kElementKindCount> tables_;
  Canvas canvas_;
};

// A list's entries from the items editor's text, one per CR LF separated
// line (none for an empty text, at most kMaxItems), and back, each entry
// followed by CR LF.
std::vector<std::string> ItemsFromText(std::string_view text);
std::string ItemsText(const std::vector<std::string>& items);

}  // namespace quillory
