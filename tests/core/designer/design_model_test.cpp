#include "designer/design_model.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillory {
namespace {

TEST(DesignModelTest, NewElementTakesLowestFreeSlotAndStartsAfresh) {
  DesignModel model;
  for (int i = 0; i < 3; ++i) model.Create(ElementKind::kRadio, 0, 0, "Opt");
  DesignElement& old = model.At(ElementKind::kRadio, 1);
  old.checked = old.in_percent = true;
  old.present = false;
  EXPECT_EQ(model.Create(ElementKind::kRadio, 5, 6, "Opt"), 1);
  EXPECT_EQ(old.name, "Radio1");
  EXPECT_EQ(old.value, "Opt");
  EXPECT_FALSE(old.checked || old.in_percent);
  model.Create(ElementKind::kLink, 0, 0, "Link");
  EXPECT_EQ(model.At(ElementKind::kLink, 0).name, "Link");
}

TEST(DesignModelTest, SlotZeroKeepsItsSizeAndAFullTableTakesNoMore) {
  DesignModel model;
  model.Create(ElementKind::kList, 0, 0, "");
  model.At(ElementKind::kList, 0).width = 42;
  model.FreeAll();
  model.Create(ElementKind::kList, 0, 0, "");
  EXPECT_EQ(model.At(ElementKind::kList, 0).width, 42);
  for (int i = 1; i < kDesignSlots; ++i)
    model.Create(ElementKind::kList, 0, 0, "");
  EXPECT_EQ(model.Create(ElementKind::kList, 0, 0, ""), std::nullopt);
}

TEST(DesignModelTest, ResizeKeepsPercentElementsInProportion) {
  DesignModel model;
  model.Resize(1000, 1000);
  for (ElementKind kind : {ElementKind::kButton, ElementKind::kText}) {
    model.Create(kind, 100, 100, "");
    model.At(kind, 0).in_percent = true;
  }
  model.Create(ElementKind::kButton, 100, 100, "");
  model.Resize(2000, 3000);
  const DesignElement& b = model.At(ElementKind::kButton, 0);
  EXPECT_EQ(std::tuple(b.left, b.top, b.width, b.height),
            std::tuple(200, 300, 1950, 1125));
  EXPECT_EQ(model.At(ElementKind::kText, 0).height, 360);
  EXPECT_EQ(model.At(ElementKind::kButton, 1).left, 100);
}

TEST(DesignModelTest, ItemsSplitAtLineEnds) {
  EXPECT_EQ(ItemsFromText(""), std::vector<std::string>{});
  EXPECT_EQ(ItemsText(ItemsFromText("a\r\nb")), "a\r\nb\r\n");
  std::string many;
  for (int i = 0; i < 400; ++i) many += "a\r\n";
  EXPECT_EQ(ItemsFromText(many).size(), size_t{kMaxItems});
}

}  // namespace
}  // namespace quillory
