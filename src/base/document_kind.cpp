#include "base/document_kind.h"

#include <array>
#include <utility>

namespace quillory {

DocumentKind KindOfCaption(std::string_view caption) {
  static constexpr std::array<std::pair<std::string_view, DocumentKind>, 7>
      kExtensions = {{
          {".html", DocumentKind::kHtml},
          {".htm", DocumentKind::kHtml},
          {".js", DocumentKind::kJavaScript},
          {".css", DocumentKind::kCss},
          {".php", DocumentKind::kPhp},
          {".phtml", DocumentKind::kPhp},
          {".php3", DocumentKind::kPhp},
      }};
  const size_t dot = caption.rfind('.');
  if (dot == std::string_view::npos) return DocumentKind::kOther;
  const std::string_view extension = caption.substr(dot);
  for (const auto& [known, kind] : kExtensions) {
    if (extension == known) return kind;
  }
  return DocumentKind::kOther;
}

bool OffersTagCompletion(DocumentKind kind) {
  return kind != DocumentKind::kJavaScript && kind != DocumentKind::kCss;
}

}  // namespace quillory
