#pragma once

#include <string>
#include <vector>

namespace quillory {

// The captions of one menu, each with "&" before the letter that chooses it
// from the keyboard: a different letter in each (letter case ignored),
// preferring the caption's first letter, then the first letters of its
// other words, then any letter. A caption with no letter left gets none.
// An "&" that belongs to a caption is doubled so that it shows as itself.
// Captions are UTF-8.
std::vector<std::string> WithMnemonics(
    const std::vector<std::string>& captions);

}  // namespace quillory
