#include "colouring_texts.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "base/file_bytes.h"
#include "page_corpus.h"

namespace quillory::bench {
namespace {

constexpr size_t kTwentyMegabytes = 20 * 1024 * 1024;

std::string Repeat(const std::string& piece, size_t target) {
  std::string text;
  text.reserve(target + piece.size());
  while (text.size() < target) text += piece;
  return text;
}

// Sizes as make_corpus.py counts them.
size_t BytesOf(const std::string& size) {
  static const std::map<std::string, size_t> kBytes = {{"100k", 100 << 10},
                                                       {"2m", 2 << 20},
                                                       {"20m", 20 << 20},
                                                       {"200m", 200 << 20}};
  auto found = kBytes.find(size);
  if (found == kBytes.end()) {
    std::fprintf(stderr, "no corpus of size %s\n", size.c_str());
    std::exit(1);
  }
  return found->second;
}

// 200 MB is built in memory from the largest file, so the build does not
// keep a 200 MB file around.
std::string GeneratedCorpus(const std::string& size) {
  if (size == "200m") {
    const std::string& twenty = Corpus("20m");
    return Repeat(twenty, 10 * twenty.size());
  }
  const std::string path =
      std::string(QUILLORY_CORPUS_DIR) + "/corpus_" + size + ".txt";
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    std::fprintf(stderr,
                 "missing corpus %s; build the colouring_corpus target\n",
                 path.c_str());
    std::exit(1);
  }
  return std::move(*bytes);
}

}  // namespace

const std::string& Corpus(const std::string& size) {
  static std::map<std::string, std::string> loaded;
  auto found = loaded.find(size);
  if (found != loaded.end()) return found->second;
  const std::vector<std::filesystem::path>* pages = BenchPages();
  const size_t bytes = BytesOf(size);
  std::string text = !pages ? GeneratedCorpus(size)
                     // Real pages vary too much for a few of them to stand
                     // for many.
                     : bytes < BytesOf("20m") ? SampleOf(Corpus("20m"), bytes)
                                              : PageCorpus(*pages, bytes);
  return loaded.emplace(size, std::move(text)).first->second;
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
