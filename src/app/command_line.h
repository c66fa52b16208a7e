#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The files the command line asks to open, from its arguments without the
// program name. The arguments joined by blanks and trimmed are tried first
// as one name, so a name with blanks that came in pieces stays whole; only
// when that names no file that `exists` but every argument does is each
// opened. Nothing when there are no arguments; a name that names nothing
// is still given, so opening it can say so.
std::vector<std::string> CommandLineFiles(
    const std::vector<std::string>& arguments,
    const std::function<bool(const std::string&)>& exists);

// True for a regular file (or a link to one).
bool IsExistingFile(const std::string& path);

// CommandLineFiles with each name made absolute against the current
// folder, for an instance that runs in another folder. An empty name
// stays empty.
std::vector<std::string> AbsoluteCommandLineFiles(
    const std::vector<std::string>& arguments);

// What "--help" or "--version" (the first of them given) asks to be
// printed instead of starting the program; nothing for other arguments.
std::optional<std::string> InformationRequested(
    const std::vector<std::string>& arguments, std::string_view version);

}  // namespace quillory
