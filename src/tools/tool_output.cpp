#include "tools/tool_output.h"

#include "editor/case_blind_search.h"

namespace quillory {
namespace {

constexpr std::string_view kHtmlEnd = "</html>";

}  // namespace

std::string WithCrLfLineEnds(std::string_view output) {
  std::string text;
  text.reserve(output.size() + output.size() / 32);
  size_t start = 0;
  for (size_t lf; (lf = output.find('\n', start)) != output.npos;
       start = lf + 1) {
    text.append(output.substr(start, lf - start));
    if (lf == 0 || output[lf - 1] != '\r') text += '\r';
    text += '\n';
  }
  text.append(output.substr(start));
  return text;
}

std::string_view UpToLastHtmlEnd(std::string_view output, LetterCase letters) {
  size_t end_start = std::string_view::npos;
  if (letters == LetterCase::kSignificant) {
    end_start = output.rfind(kHtmlEnd);
  } else if (const int64_t found =
                 FindBackward(output, kHtmlEnd, output.size());
             found > 0) {
    end_start = found - 1;
  }
  if (end_start == std::string_view::npos) return output;
  return output.substr(0, end_start + kHtmlEnd.size());
}

}  // namespace quillory
