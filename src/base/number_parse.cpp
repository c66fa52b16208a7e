#include "base/number_parse.h"

#include <charconv>
#include <limits>
#include <string>

#include "base/text_util.h"

namespace quillory {
namespace {

struct Number {
  bool negative = false;
  std::string_view whole;     // digits before the point
  std::string_view fraction;  // digits after it
  size_t end = 0;             // where parsing stopped
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

Number ScanNumber(std::string_view text) {
  Number number;
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return number;
  if (text[i] == '+' || text[i] == '-') {
    number.negative = text[i] == '-';
    ++i;
  }
  const size_t whole_end = SkipDigits(text, i);
  number.whole = text.substr(i, whole_end - i);
  number.end = whole_end;
  if (whole_end < text.size() && text[whole_end] == '.') {
    const size_t fraction_end = SkipDigits(text, whole_end + 1);
    number.fraction = text.substr(whole_end + 1, fraction_end - whole_end - 1);
    number.end = fraction_end;
  }
  return number;
}

// Compares the fraction with one half: <0 below, 0 exactly, >0 above.
int CompareWithHalf(std::string_view fraction) {
  if (fraction.empty() || fraction[0] < '5') return -1;
  if (fraction[0] > '5') return 1;
  return fraction.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
}

}  // namespace

std::optional<int32_t> ParseLeadingInteger(std::string_view text) {
  const Number number = ScanNumber(text);
  int64_t magnitude = 0;
  for (char digit : number.whole) {
    magnitude = magnitude * 10 + (digit - '0');
    if (magnitude > int64_t{1} << 32) return std::nullopt;
  }
  const int half = CompareWithHalf(number.fraction);
  if (half > 0 || (half == 0 && magnitude % 2 == 1)) ++magnitude;
  const int64_t value = number.negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int32_t>::min() ||
      value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

double ParseLeadingNumber(std::string_view text) {
  const Number number = ScanNumber(text);
  const std::string digits = (number.negative ? "-0" : "0") +
                             std::string(number.whole) + "." +
                             std::string(number.fraction);
  // from_chars, not strtod: the toolkit sets the C locale from the desktop,
  // whose decimal separator may not be ".".
  double value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

std::optional<bool> ParseBoolean(std::string_view text) {
  const std::string_view word = TrimBlanks(text);
  if (EqualsIgnoringCase(word, "true")) return true;
  if (EqualsIgnoringCase(word, "false")) return false;
  const Number number = ScanNumber(word);
  const bool has_digits = !number.whole.empty() || !number.fraction.empty();
  if (!has_digits || number.end != word.size()) return std::nullopt;
  const bool nonzero =
      number.whole.find_first_not_of('0') != std::string_view::npos ||
      number.fraction.find_first_not_of('0') != std::string_view::npos;
  return nonzero;
}

}  // namespace quillory
