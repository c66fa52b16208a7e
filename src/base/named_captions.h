#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// The interface texts of the current language that have no numbered entry
// in main.lng, by name: captions.lng beside it holds one "name=text" line
// each. The first "=" ends the name; a line without one is skipped. Texts
// are used as written, like main.lng's entries. Knows nothing of windows.
class NamedCaptions {
 public:
  // Replaces the whole table; missing or unreadable bytes leave it empty,
  // so every caption falls back to its built-in English text.
  void LoadFromBytes(std::string_view bytes);
  void LoadFromFile(const std::string& path);

  std::optional<std::string> Find(std::string_view name) const;
  std::string FindOr(std::string_view name, std::string_view fallback) const;
  const std::map<std::string, std::string, std::less<>>& All() const {
    return texts_;
  }

 private:
  std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace quillory
