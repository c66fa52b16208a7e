#include "app/menu_mnemonics.h"

#include <array>
#include <optional>
#include <set>

namespace quillory {
namespace {

// One character of a caption: where its bytes start and its code point.
struct Character {
  size_t offset;
  char32_t code;
};

// Bytes that do not decode stand for themselves.
std::vector<Character> Decode(const std::string& text) {
  std::vector<Character> characters;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0xC0   ? 1
                          : lead < 0xE0 ? 2
                          : lead < 0xF0 ? 3
                                        : 4;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    size_t end = i + 1;
    for (; end < i + length && end < text.size(); ++end) {
      code = (code << 6) | (static_cast<unsigned char>(text[end]) & 0x3F);
    }
    characters.push_back({i, end == i + length ? code : lead});
    i = end;
  }
  return characters;
}

// Letters and digits of the alphabetic scripts; punctuation, symbols and
// spaces never carry a mnemonic.
bool IsLetter(char32_t c) {
  if (c < 0x80) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= '0' && c <= '9');
  }
  return c >= 0xC0 && c < 0x2000 && c != 0xD7 && c != 0xF7;
}

// Upper case to lower case for Latin, Greek and Cyrillic; other letters
// stand for themselves.
char32_t Folded(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if ((c >= 0xC0 && c <= 0xDE) || (c >= 0x391 && c <= 0x3AB) ||
      (c >= 0x410 && c <= 0x42F)) {
    return c + 0x20;
  }
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

// The letters a caption offers, in three tiers of preference.
enum Tier { kFirstLetter, kWordStart, kAnyLetter, kTierCount };

using Candidates = std::array<std::vector<size_t>, kTierCount>;

Candidates CandidatesOf(const std::vector<Character>& characters) {
  Candidates tiers;
  bool word_start = true;
  bool first = true;
  for (size_t i = 0; i < characters.size(); ++i) {
    if (!IsLetter(characters[i].code)) {
      word_start = true;
      continue;
    }
    const Tier tier = first        ? kFirstLetter
                      : word_start ? kWordStart
                                   : kAnyLetter;
    tiers[tier].push_back(i);
    if (tier != kAnyLetter) tiers[kAnyLetter].push_back(i);
    first = word_start = false;
  }
  return tiers;
}

std::string Marked(const std::string& caption,
                   const std::vector<Character>& characters,
                   std::optional<size_t> chosen) {
  std::string marked;
  for (size_t i = 0; i < characters.size(); ++i) {
    if (chosen == i) marked += '&';
    const size_t end =
        i + 1 < characters.size() ? characters[i + 1].offset : caption.size();
    const std::string bytes =
        caption.substr(characters[i].offset, end - characters[i].offset);
    marked += bytes == "&" ? "&&" : bytes;
  }
  return marked;
}

}  // namespace

// NOTE: tier by tier over all captions, so that a caption's first letter is
// not taken by an inner letter of a caption above it.
std::vector<std::string> WithMnemonics(
    const std::vector<std::string>& captions) {
  std::vector<std::vector<Character>> decoded;
  std::vector<Candidates> candidates;
  for (const std::string& caption : captions) {
    decoded.push_back(Decode(caption));
    candidates.push_back(CandidatesOf(decoded.back()));
  }
  std::vector<std::optional<size_t>> chosen(captions.size());
  std::set<char32_t> used;
  for (int tier = 0; tier < kTierCount; ++tier) {
    for (size_t k = 0; k < captions.size(); ++k) {
      for (size_t at : candidates[k][tier]) {
        if (chosen[k]) break;
        if (used.insert(Folded(decoded[k][at].code)).second) chosen[k] = at;
      }
    }
  }
  std::vector<std::string> marked;
  for (size_t k = 0; k < captions.size(); ++k) {
    marked.push_back(Marked(captions[k], decoded[k], chosen[k]));
  }
  return marked;
}

}  // namespace quillory
