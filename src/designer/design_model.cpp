#include "designer/design_model.h"

#include <cmath>

#include "base/text_util.h"

namespace quillory {
namespace {

// Which metrics follow the canvas when a percent element is rescaled.
struct Rescaled {
  bool width;
  bool height;
};

Rescaled RescaledOf(ElementKind kind) {
  switch (kind) {
    case ElementKind::kText:
      return {true, false};
    case ElementKind::kList:
    case ElementKind::kLink:
      return {false, false};
    default:
      return {true, true};
  }
}

float Rescale(float old, int32_t previous, float now) {
  return old * (100.0f / static_cast<float>(previous)) * now / 100.0f;
}

}  // namespace

DesignElement& DesignModel::At(ElementKind kind, int index) {
  return tables_[static_cast<size_t>(kind)][static_cast<size_t>(index)];
}

const DesignElement& DesignModel::At(ElementKind kind, int index) const {
  return tables_[static_cast<size_t>(kind)][static_cast<size_t>(index)];
}

std::optional<int> DesignModel::LowestFree(ElementKind kind) const {
  for (int i = 0; i < kDesignSlots; ++i) {
    if (!At(kind, i).present) return i;
  }
  return std::nullopt;
}

// NOTE: every field but slot 0's size starts afresh, so a new element never
// inherits the state, entries or picture of the slot's earlier element.
std::optional<int> DesignModel::Create(ElementKind kind, float left, float top,
                                       std::string_view caption) {
  const std::optional<int> index = LowestFree(kind);
  if (!index) return std::nullopt;
  DesignElement& slot = At(kind, *index);
  const KindInfo& info = InfoOf(kind);
  const bool keeps_size = *index == 0 && slot.width > 0;
  DesignElement fresh;
  fresh.present = true;
  fresh.left = left;
  fresh.top = top;
  fresh.width = keeps_size ? slot.width : info.width;
  fresh.height = keeps_size ? slot.height : info.height;
  const bool link = kind == ElementKind::kLink;
  fresh.name = link ? std::string(caption)
                    : std::string(info.type_text) + std::to_string(*index);
  if (CodeOf(kind) <= CodeOf(ElementKind::kRadio)) fresh.value = caption;
  slot = std::move(fresh);
  return index;
}

void DesignModel::FreeAll() {
  for (KindTable& table : tables_) {
    for (DesignElement& slot : table) slot.present = false;
  }
}

void DesignModel::AllToPercent() {
  for (KindTable& table : tables_) {
    for (DesignElement& slot : table) {
      if (slot.present) slot.in_percent = true;
    }
  }
}

void DesignModel::Resize(float width, float height) {
  const bool known = canvas_.previous_width > 0 && canvas_.previous_height > 0;
  canvas_.width = width;
  canvas_.height = height;
  for (ElementKind kind : kElementKinds) {
    const Rescaled rescaled = RescaledOf(kind);
    for (DesignElement& slot : tables_[static_cast<size_t>(kind)]) {
      if (!known || !slot.present || !slot.in_percent) continue;
      slot.left = Rescale(slot.left, canvas_.previous_width, width);
      slot.top = Rescale(slot.top, canvas_.previous_height, height);
      if (rescaled.width) {
        slot.width = Rescale(slot.width, canvas_.previous_width, width);
      }
      if (rescaled.height) {
        slot.height = Rescale(slot.height, canvas_.previous_height, height);
      }
    }
  }
  canvas_.previous_width = static_cast<int32_t>(std::lround(width));
  canvas_.previous_height = static_cast<int32_t>(std::lround(height));
}

std::vector<std::string> ItemsFromText(std::string_view text) {
  std::vector<std::string> items = Split(text, "\r\n");
  if (items.size() > kMaxItems) items.resize(kMaxItems);
  return items;
}

std::string ItemsText(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += item + "\r\n";
  return text;
}

}  // namespace quillory
