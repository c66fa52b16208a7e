#pragma once

#include <string>
#include <string_view>

namespace quillory {

// The help page's file name for the random number `r` in [0, 1): the
// upper-case hexadecimal digits of floor(r * 8999999) + 1000000, no leading
// zeros, then ".html" ("F4240.html" to "98967E.html"). An `r` outside
// [0, 1) is clamped into it, so the name always has that form.
std::string HelpFileName(double r);

// What the help file holds: help.lng's bytes followed by CR LF.
std::string HelpPageBytes(std::string_view help_lng);

}  // namespace quillory
