#include "script_texts.h"

#include <map>

#include "base/file_bytes.h"
#include "colouring_texts.h"

namespace quillory::bench {
namespace {

constexpr size_t kMegabyte = 1 << 20;

constexpr const char* kScripts[] = {"/usr/share/javascript/jquery/jquery.js",
                                    "/usr/share/javascript/bootstrap/js/"
                                    "bootstrap.js"};
constexpr const char* kStyleSheets[] = {
    "/usr/share/javascript/bootstrap/css/bootstrap.css",
    "/usr/share/javascript/bootstrap/css/bootstrap-theme.css"};

constexpr const char* kScriptSample =
    "// Counts the items\r\nfunction count(list, limit = 10) {\r\n"
    "  /* a block\r\n     comment */\r\n  let n = 0, re = /[a-z]+\\d*/gi;\r\n"
    "  for (const item of list) if (item.size / 2 > limit) n += 1;\r\n"
    "  return `${n} of ${list.length}` + 'done' + 0x1F;\r\n}\r\n";
constexpr const char* kStyleSheetSample =
    "/* layout */\r\nbody, p.intro > a:hover {\r\n  margin: 0 auto -2em;\r\n"
    "  color: #333 !important;\r\n  font: 14px/1.5 \"Helvetica\", serif;\r\n}"
    "\r\n@media (min-width: 600px) { .grid { gap: 1.25rem; } }\r\n";

std::string Repeat(const std::string& piece, size_t target) {
  std::string text;
  text.reserve(target + piece.size());
  while (text.size() < target) text += piece;
  return text;
}

// The files as the editor holds them: LF line ends become CR LF.
std::string Joined(const char* const (&paths)[2], const char* sample) {
  std::string joined;
  for (const char* path : paths) {
    for (char c : ReadFileBytes(path).value_or("")) {
      if (c == '\n' && (joined.empty() || joined.back() != '\r')) {
        joined += '\r';
      }
      joined += c;
    }
    joined += "\r\n";
  }
  return joined.size() > 2 * std::size(paths) ? joined : sample;
}

size_t BytesOf(const std::string& size) {
  return size == "20m" ? 20 * kMegabyte : 100 << 10;
}

const std::string& Cached(std::map<std::string, std::string>& texts,
                          const std::string& size, const std::string& piece) {
  std::string& text = texts[size];
  if (text.empty()) text = Repeat(piece, BytesOf(size));
  return text;
}

}  // namespace

const std::string& ScriptCorpus(const std::string& size) {
  static std::map<std::string, std::string> texts;
  static const std::string piece = Joined(kScripts, kScriptSample);
  return Cached(texts, size, piece);
}

const std::string& StyleSheetCorpus(const std::string& size) {
  static std::map<std::string, std::string> texts;
  static const std::string piece = Joined(kStyleSheets, kStyleSheetSample);
  return Cached(texts, size, piece);
}

const std::string& PageWithLargeScript() {
  static const std::string text = [] {
    const std::string& page = Corpus("20m");
    const size_t middle = page.find("\r\n", page.size() / 2) + 2;
    return page.substr(0, middle) + "<script>\r\n" +
           ScriptCorpus("20m").substr(0, kMegabyte) + "\r\n</script>\r\n" +
           page.substr(middle);
  }();
  return text;
}

const std::string& UnclosedCommentScript() {
  static const std::string text = "/*" + ScriptCorpus("20m");
  return text;
}

const std::string& UnclosedTemplateScript() {
  static const std::string text = "`" + ScriptCorpus("20m");
  return text;
}

const std::string& OneLineScript() {
  static const std::string text = [] {
    std::string line;
    for (char c : ScriptCorpus("20m").substr(0, 10 * kMegabyte)) {
      if (c != '\r' && c != '\n') line += c;
    }
    return line;
  }();
  return text;
}

const std::string& MillionSelectors() {
  static const std::string text =
      Repeat(".item-a > p:hover, ", 19 * 1000000) + "a { color: red }\r\n";
  return text;
}

const std::string& BinaryScript() {
  static const std::string text = [] {
    std::string bytes(256, '\0');
    for (int b = 0; b < 256; ++b) bytes[b] = static_cast<char>(b);
    return Repeat(bytes, 20 * kMegabyte);
  }();
  return text;
}

}  // namespace quillory::bench
