#pragma once

#include <string>

namespace quillory {

// Whether the window shows the live preview beside the source, kept in the
// per-user state folder (ending in "/") across runs, apart from
// settings.dat. Off when never written or unreadable.
bool ReadLivePreviewOn(const std::string& state_folder);
// False when it could not be kept.
bool WriteLivePreviewOn(const std::string& state_folder, bool on);

}  // namespace quillory
