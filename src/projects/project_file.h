#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// Interface texts of the project commands.
inline constexpr int kProjectLabelTexts[3] = {123, 124, 125};
inline constexpr int kSaveProjectText = 6;
inline constexpr int kProjectFilterText = 122;
inline constexpr int kUnsavedDocumentText = 126;
inline constexpr int kEmptyProjectText = 127;
inline constexpr int kNoProjectNameText = 128;
inline constexpr int kProjectSavedText = 129;
inline constexpr int kNoProjectText = 131;
inline constexpr int kNoFilePathText = 132;

// A document as the project window lists it: its tab caption, four TABs
// and its slot number in decimal. The slot is read back from the item, so
// the two must agree.
std::string ProjectItem(std::string_view caption, int slot);
// The slot of an item made by ProjectItem; nothing for any other text.
std::optional<int> SlotOfProjectItem(std::string_view item);

// A project file's text: the paths in order, CR LF between them and none
// after the last.
std::string ProjectText(const std::vector<std::string>& paths);

// The extension of list files, without its dot.
inline constexpr std::string_view kListExtension = "qlp";

// A list file's name as saved: `file_name` with ".qlp" added when the part
// after its last "/" holds no ".".
std::string WithListExtension(std::string_view file_name);

// What Add to project appends to the project file: CR LF, then the path,
// so it becomes a new last line.
std::string ProjectAppendix(std::string_view path);

// The status line after a project was saved: `entry` (interface text 129)
// with "%1" replaced by the file name after its last "/".
std::string ProjectSavedStatus(std::string_view entry,
                               std::string_view project_file);

}  // namespace quillory
