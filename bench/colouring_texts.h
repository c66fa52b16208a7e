#pragma once

#include <string>

namespace quillory::bench {

// The generated corpus of HTML pages and PHP templates, half of each by
// bytes, CR LF line ends; or, when QUILLORY_BENCH_PAGES names a folder, its
// real pages (see BenchPages). `size` is "100k", "2m", "20m" or "200m"
// (the 20 MB corpus ten times). Built once.
const std::string& Corpus(const std::string& size);

// Texts that would make a careless colouring pass quadratic. Built once.
const std::string& OneLessThanLine();       // 20 MB line, one "<", no ">"
const std::string& MillionEscapedQuotes();  // 1M double quotes, none opens
const std::string& MillionOneKindQuotes();  // 1M apostrophes, no other kind
const std::string& UnclosedPhpBlock();      // 20 MB, "<?php" at the start
const std::string& ShortPhpBlocks();        // 100,000 one-line blocks

// Where typing is measured in `text`: "start", "middle" or "end" (200 bytes
// before it), moved on to the next letter so a key lands inside a word.
int CaretFor(const std::string& text, const std::string& where);

}  // namespace quillory::bench
