#include "insert/print_page.h"

#include <cmath>
#include <string>

namespace quillory {
namespace {

constexpr int kTwipsPerInch = 1440;
// The header's place, in twips like the margins, so at any resolution it
// stays inside the top margin.
constexpr int kHeaderInset = 10;
constexpr int kHeaderBand = 700;

int ToTwips(int device_units, int dots_per_inch) {
  return static_cast<int>(std::lround(static_cast<double>(device_units) /
                                      dots_per_inch * kTwipsPerInch));
}

int ToDevice(int twips, int dots_per_inch) {
  return static_cast<int>(
      std::lround(static_cast<double>(twips) * dots_per_inch / kTwipsPerInch));
}

}  // namespace

PrintFrame FramePrintedPage(const PrinterSheet& sheet,
                            const PrintMargins& margins) {
  const int dpi = sheet.dots_per_inch > 0 ? sheet.dots_per_inch : 1;
  const int offset_left = ToTwips(sheet.offset_left, dpi);
  const int offset_top = ToTwips(sheet.offset_top, dpi);
  const int width = ToTwips(sheet.width, dpi);
  const int height = ToTwips(sheet.height, dpi);
  const auto device = [dpi](int left, int top, int right, int bottom) {
    return DeviceRect{ToDevice(left, dpi), ToDevice(top, dpi),
                      ToDevice(right, dpi), ToDevice(bottom, dpi)};
  };
  PrintFrame frame;
  frame.text = device(margins.left - offset_left, margins.top - offset_top,
                      width - margins.right - offset_left,
                      height - margins.bottom - offset_top);
  frame.header =
      device(kHeaderInset, kHeaderInset,
             ToTwips(sheet.printable_width, dpi) - kHeaderInset, kHeaderBand);
  return frame;
}

std::string PrintHeader(std::string_view file_name) {
  return "Quillory " + std::string(file_name);
}

std::string PageLabel(std::string_view label, int page) {
  return std::string(label) + " " + std::to_string(page);
}

bool IsLastPrintedPage(int start, int next, int length) {
  return next < 1 || next >= length || next <= start;
}

}  // namespace quillory
