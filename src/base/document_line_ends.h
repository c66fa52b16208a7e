#pragma once

#include <string>
#include <string_view>

namespace quillory {

// How a document's line ends were stored, so that saving writes them back
// the way they came.
enum class LineEnds {
  kAsStored,  // CR LF, CR-only, mixed or none: held exactly as stored
  kLfOnly,    // every line end was LF: held as CR LF while open
};

struct HeldText {
  std::string text;  // what the editor holds: CR LF wherever a line ends
  LineEnds line_ends = LineEnds::kAsStored;
};

// The editing commands expect CR LF; a file whose line ends are all LF gets
// them while it is open. Every other byte stays as it is.
HeldText HoldForEditing(std::string bytes);

// The bytes to write for the held `text`: kLfOnly turns each CR LF back
// into LF, so a file opened and saved unchanged keeps every byte.
std::string BytesToStore(std::string_view text, LineEnds line_ends);

}  // namespace quillory
