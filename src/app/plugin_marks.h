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
  ~PluginMarks();
  PluginMarks(const PluginMarks&) = delete;
  PluginMarks& operator=(const PluginMarks&) = delete;

  bool Marked(std::string_view entry) const;
  // A mark that cannot be written is let pass: the plug-in still loads.
  void Mark(const std::string& entry);
  // The file learns of a clearing with the next mark or when the marks
  // go, so loading n plug-ins writes it n + 1 times, not 2n.
  void Clear(std::string_view entry);

 private:
  void Write();

  std::string path_;
  std::vector<std::string> entries_;
  bool cleared_ = false;  // since the last write
};

}  // namespace quillory
