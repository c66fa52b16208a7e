#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// One external browser: 0 menu caption, 1 open pattern, 2 identifier,
// 3 program path, 4 topic.
using ExternalBrowser = std::array<std::string, 5>;

inline constexpr int kRecentCount = 6;

// External browsers read from settings.dat: identical entries are kept once
// and lines past this many entries are dropped. A menu longer than a few
// screens cannot be used, and every browser a desktop has fits well within.
inline constexpr size_t kMaxExternalBrowsers = 100;
// Plug-in lines past this many are dropped likewise: each one loaded is a
// library opened at start-up and a menu entry.
inline constexpr size_t kMaxPlugins = 100;

// The user's choices carried between runs in settings.dat.
struct Settings {
  std::string language;
  int32_t is_http_server = 0;
  std::string path_to_httpd;
  std::array<std::string, kRecentCount> last_opened;  // 0 the most recent
  bool tidy = false;
  std::vector<std::string> plugins;  // name + "\\\" + library file
  // NOTE: entry 0 is a placeholder, never shown or saved; real ones start at 1.
  std::vector<ExternalBrowser> external_browsers{ExternalBrowser{}};
  std::string php;
  bool open_last_session = false;
};

// Applies the lines of settings.dat in file order. The element after the
// final CR LF is not a line and must be left out by the caller's split
// (pass every element; the last one is ignored here).
void ApplySettingsLines(const std::vector<std::string>& elements,
                        Settings& settings);

// Whether `value` holds a CR or LF: written, it would end its line early.
bool HoldsLineBreak(std::string_view value);

// The nine lines written at exit, without their CR LF terminators. A value
// is written only up to its first CR or LF, so none starts a line of its
// own.
std::vector<std::string> SettingsFileLines(const Settings& settings);

// The whole file: every line followed by CR LF.
std::string SettingsFileText(const Settings& settings);

// The recent-file menu shows slots up to the first empty one.
int VisibleRecentCount(const Settings& settings);

}  // namespace quillory
