#include "app/help_page.h"

#include <cmath>
#include <cstdint>

namespace quillory {
namespace {

constexpr int64_t kSpread = 8999999;
constexpr int64_t kLowest = 1000000;

std::string UpperHex(int64_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value > 0);
  return digits;
}

}  // namespace

std::string HelpFileName(double r) {
  // NOTE: comparisons written so that NaN also lands on the lowest name.
  int64_t offset = 0;
  if (r >= 1) {
    offset = kSpread - 1;
  } else if (r > 0) {
    offset = static_cast<int64_t>(std::floor(r * kSpread));
  }
  return UpperHex(offset + kLowest) + ".html";
}

std::string HelpPageBytes(std::string_view help_lng) {
  std::string bytes(help_lng);
  bytes += "\r\n";
  return bytes;
}

}  // namespace quillory
