#include "colouring_texts.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "app/file_bytes.h"

namespace quillory::bench {
namespace {

constexpr size_t kTwentyMegabytes = 20 * 1024 * 1024;

std::string Repeat(const std::string& piece, size_t target) {
  std::string text;
  text.reserve(target + piece.size());
  while (text.size() < target) text += piece;
  return text;
}

}  // namespace

const std::string& Corpus(const std::string& size) {
  static std::map<std::string, std::string> loaded;
  auto found = loaded.find(size);
  if (found != loaded.end()) return found->second;
  const std::string path =
      std::string(QUILLORY_CORPUS_DIR) + "/corpus_" + size + ".txt";
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    std::fprintf(stderr,
                 "missing corpus %s; build the colouring_corpus target\n",
                 path.c_str());
    std::exit(1);
  }
  return loaded.emplace(size, std::move(*bytes)).first->second;
}

const std::string& OneLessThanLine() {
  static const std::string text =
      "<" + Repeat("lorem ipsum dolor sit amet ", kTwentyMegabytes);
  return text;
}

const std::string& MillionEscapedQuotes() {
  static const std::string text = Repeat("say \\\"hi\\\" ", 5'500'000);
  return text;
}

const std::string& MillionOneKindQuotes() {
  static const std::string text = Repeat("it's 'a' ", 3'000'000);
  return text;
}

const std::string& UnclosedPhpBlock() {
  static const std::string text =
      "<?php\r\n" + Repeat(
                        "    if ($row === false) { return null; } "
                        "echo $row['name'] . \"\\n\";\r\n",
                        kTwentyMegabytes);
  return text;
}

const std::string& ShortPhpBlocks() {
  static const std::string text = [] {
    std::string blocks;
    for (int i = 0; i < 100'000; ++i) {
      blocks += "<li><?php echo $items[" + std::to_string(i) + "]; ?></li>\r\n";
    }
    return blocks;
  }();
  return text;
}

int CaretFor(const std::string& text, const std::string& where) {
  size_t at = where == "start"    ? 0
              : where == "middle" ? text.size() / 2
                                  : text.size() - 200;
  while (at < text.size() && !(text[at] >= 'a' && text[at] <= 'z')) ++at;
  return static_cast<int>(at);
}

}  // namespace quillory::bench
