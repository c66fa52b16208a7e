#pragma once

#include <string>
#include <string_view>

namespace quillory {

// The page label's interface text: "Page".
inline constexpr int kPageLabelText = 113;

// Blank borders of a printed page, in twips (1440 to the inch).
struct PrintMargins {
  int left = 720;
  int top = 1440;
  int right = 720;
  int bottom = 1440;
};

// What a printer tells of its sheet, in its own device units.
struct PrinterSheet {
  int dots_per_inch = 0;
  int offset_left = 0;  // the unprintable border at the left
  int offset_top = 0;   // and at the top
  int width = 0;        // the whole sheet
  int height = 0;
  int printable_width = 0;
};

// A rectangle in device units, measured from the printable area's corner.
struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const DeviceRect&) const = default;
};

struct PrintFrame {
  DeviceRect text;    // where the document's text goes
  DeviceRect header;  // the band of the header line above it
};

// Where the header and the text go on every page of `sheet`.
PrintFrame FramePrintedPage(const PrinterSheet& sheet,
                            const PrintMargins& margins);

// "Quillory" and the file's path.
std::string PrintHeader(std::string_view file_name);
// The label in the header's right end: `label` ("Page"), a blank, `page`.
std::string PageLabel(std::string_view label, int page);

// Whether a page whose text ended before byte `next` was the last one of a
// text of `length` bytes that printing started at byte `start`. A page that
// took nothing is the last too, so a byte that fits no page cannot print
// pages without end.
bool IsLastPrintedPage(int start, int next, int length);

}  // namespace quillory
