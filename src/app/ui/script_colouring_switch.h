#pragma once

#include <string>

#include "app/user_options.h"

namespace quillory {

// Whether style sheets and scripts are coloured by their own rules, kept
// in the per-user options file; the colouring pass alone when off.
class ScriptColouringSwitch {
 public:
  // Reads the options file in `user_folder` (ending in "/").
  explicit ScriptColouringSwitch(std::string user_folder);

  bool On() const { return options_.colour_scripts; }
  // Keeps the choice for the next start; a file that cannot be written
  // leaves it for this run only.
  void Set(bool on);

 private:
  std::string folder_;
  UserOptions options_;
};

}  // namespace quillory
