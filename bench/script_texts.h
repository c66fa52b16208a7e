#pragma once

#include <string>

namespace quillory::bench {

// Scripts and style sheets of about `size` bytes ("100k" or "20m"), CR LF
// line ends: Debian's packaged jQuery and Bootstrap (libjs-jquery,
// libjs-bootstrap) repeated; without them, a small sample of each repeated.
// Built once.
const std::string& ScriptCorpus(const std::string& size);
const std::string& StyleSheetCorpus(const std::string& size);

// A page of the colouring corpus's size holding one 1 MB script element in
// its middle.
const std::string& PageWithLargeScript();

// Inputs that would make a careless lexer slow. Built once.
const std::string& UnclosedCommentScript();   // 20 MB, "/*" at the start
const std::string& UnclosedTemplateScript();  // 20 MB, "`" at the start
const std::string& OneLineScript();           // 10 MB of minified script
const std::string& MillionSelectors();        // one rule, 1M selectors
const std::string& BinaryScript();            // 20 MB of every byte value

}  // namespace quillory::bench
