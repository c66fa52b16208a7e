#pragma once

#include <string>
#include <string_view>

namespace quillory {

// Options of the program's own kept apart from settings.dat, whose layout
// is fixed, in the per-user folder's file of this name: one "Name=value"
// line each.
inline constexpr std::string_view kUserOptionsFile = "quillory.conf";

struct UserOptions {
  bool colour_scripts = true;  // style sheets and scripts by their own rules
  friend bool operator==(const UserOptions&, const UserOptions&) = default;
};

// A missing or unreadable option keeps its default.
UserOptions ParseUserOptions(std::string_view text);
// `text` with the options' lines set to `options`; other lines stay as
// they are, so options of later versions survive.
std::string WithUserOptions(std::string_view text, const UserOptions& options);

}  // namespace quillory
