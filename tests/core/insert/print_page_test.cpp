#include "insert/print_page.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillory {
namespace {

TEST(FramePrintedPage, PutsTheMarginsInsideThePrintableArea) {
  const std::tuple<const char*, PrinterSheet, PrintFrame> rows[] = {
      {"a device unit is a twip: the margins as they are",
       {1440, 0, 0, 12240, 15840, 12240},
       {{720, 1440, 11520, 14400}, {10, 10, 12230, 700}}},
      {"the unprintable border moves the text back by its width",
       {720, 100, 50, 4250, 5500, 4050},
       {{260, 670, 3790, 4730}, {5, 5, 4045, 350}}},
  };
  for (const auto& [rule, sheet, expected] : rows) {
    const PrintFrame frame = FramePrintedPage(sheet, PrintMargins{});
    EXPECT_EQ(frame.text, expected.text) << rule;
    EXPECT_EQ(frame.header, expected.header) << rule;
  }
}

TEST(IsLastPrintedPage, EndsAtTheTextsEndOrWhenAPageTookNothing) {
  EXPECT_TRUE(IsLastPrintedPage(0, 0, 0));      // empty text
  EXPECT_TRUE(IsLastPrintedPage(0, 500, 500));  // all of it fitted
  EXPECT_FALSE(IsLastPrintedPage(0, 300, 500));
  EXPECT_TRUE(IsLastPrintedPage(300, 300, 500));  // nothing fitted
}

}  // namespace
}  // namespace quillory
