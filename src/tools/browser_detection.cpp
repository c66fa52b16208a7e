#include "tools/browser_detection.h"

#include <unistd.h>

#include <algorithm>
#include <array>

#include "tools/command_words.h"

namespace quillory {
namespace {

constexpr std::string_view kPathMarker = "%1";

// Looked for in this order; the first ones are the likeliest.
constexpr std::array<std::string_view, 10> kKnownBrowsers = {
    "firefox",       "firefox-esr",      "chromium",  "google-chrome",
    "brave-browser", "epiphany-browser", "konqueror", "falkon",
    "opera",         "vivaldi"};

bool IsListed(const Settings& settings, std::string_view identifier) {
  return std::any_of(
      settings.external_browsers.begin(), settings.external_browsers.end(),
      [&](const ExternalBrowser& entry) { return entry[2] == identifier; });
}

void AddFound(Settings& settings, const ProgramLookup& find,
              std::string_view name) {
  if (name.empty() || IsListed(settings, name)) return;
  const std::optional<std::string> program = find(name);
  if (!program || program->empty()) return;
  AddBrowser(settings,
             {std::string(name), "%1", std::string(name), *program, ""});
}

}  // namespace

void AddBrowser(Settings& settings, const ExternalBrowser& browser) {
  settings.external_browsers.push_back(browser);
}

void DetectBrowsers(Settings& settings, const ProgramLookup& find,
                    std::string_view default_program) {
  for (const std::string_view name : kKnownBrowsers) {
    AddFound(settings, find, name);
  }
  AddFound(settings, find, default_program);
}

std::string DefaultBrowserProgram(std::string_view desktop_id) {
  constexpr std::string_view kSuffix = ".desktop";
  while (!desktop_id.empty() &&
         (desktop_id.back() == '\n' || desktop_id.back() == ' ')) {
    desktop_id.remove_suffix(1);
  }
  if (desktop_id.size() <= kSuffix.size() || !desktop_id.ends_with(kSuffix) ||
      desktop_id.find('/') != std::string_view::npos) {
    return "";
  }
  desktop_id.remove_suffix(kSuffix.size());
  return std::string(desktop_id);
}

std::optional<std::string> FindOnPath(std::string_view name,
                                      std::string_view path_variable) {
  while (!path_variable.empty()) {
    const size_t end = std::min(path_variable.find(':'), path_variable.size());
    const std::string_view folder = path_variable.substr(0, end);
    path_variable.remove_prefix(std::min(end + 1, path_variable.size()));
    if (folder.empty()) continue;
    const std::string candidate = std::string(folder) + "/" + std::string(name);
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

std::vector<std::string> BrowserArguments(std::string_view open_command,
                                          std::string_view path) {
  const std::string safe_path =
      path.starts_with("-") ? "./" + std::string(path) : std::string(path);
  std::vector<std::string> words = SplitCommandLine(open_command);
  bool has_path = false;
  for (std::string& word : words) {
    for (size_t at = word.find(kPathMarker); at != std::string::npos;
         at = word.find(kPathMarker, at + safe_path.size())) {
      word.replace(at, kPathMarker.size(), safe_path);
      has_path = true;
    }
  }
  if (!has_path) words.push_back(safe_path);
  return words;
}

}  // namespace quillory
