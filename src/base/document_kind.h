#pragma once

#include <string_view>

namespace quillory {

enum class DocumentKind { kHtml, kJavaScript, kCss, kPhp, kOther };

// Decided by the caption's text from its last "." on, letter case
// significant: "page.HTML" is kOther.
DocumentKind KindOfCaption(std::string_view caption);

// The tag completion list opens in every kind but JavaScript and CSS, whose
// text holds no tags to complete.
bool OffersTagCompletion(DocumentKind kind);

}  // namespace quillory
