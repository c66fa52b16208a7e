#include "tools/command_words.h"

namespace quillory {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> words;
  std::string word;
  // NOTE: a word can be empty ("" on its own), so whether one is open is
  // kept apart from its text.
  bool in_word = false;
  bool quoted = false;
  for (char c : command_line) {
    if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if (!quoted && IsBlank(c)) {
      if (in_word) words.push_back(std::move(word));
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(std::move(word));
  return words;
}

std::string Quoted(std::string_view path) {
  std::string quoted = "\"";
  quoted.append(path);
  quoted += '"';
  return quoted;
}

}  // namespace quillory
