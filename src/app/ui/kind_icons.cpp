#include "app/ui/kind_icons.h"

namespace quillory {

QIcon IconForKind(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::kHtml:
      return QIcon(":/icons/html.svg");
    case DocumentKind::kJavaScript:
      return QIcon(":/icons/javascript.svg");
    case DocumentKind::kCss:
      return QIcon(":/icons/css.svg");
    case DocumentKind::kPhp:
      return QIcon(":/icons/php.svg");
    case DocumentKind::kOther:
      break;
  }
  return {};
}

}  // namespace quillory
