#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The plug-in entries whose loading has begun and not ended, kept in a
// file so that a start that dies inside a plug-in leaves its mark for the
// next. A mark stays until its plug-in loads to the end, so a plug-in that
// brought a start down is not tried again while its line stays.
class PluginMarks {
 public:
  // Marks live in the file at `path` (written whole each time, never half
  // written); an empty path keeps them in memory only.
  explicit PluginMarks(std::string path);

  bool Marked(std::string_view entry) const;
  // A mark that cannot be written is let pass: the plug-in still loads.
  void Mark(const std::string& entry);
  void Clear(std::string_view entry);

 private:
  void Write() const;

  std::string path_;
  std::vector<std::string> entries_;
};

}  // namespace quillory
