#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/settings.h"

namespace quillory {

// The fields of the settings window that OK writes back to `Settings`.
struct SettingsForm {
  std::string language;  // empty while the list has nothing selected
  bool http_server = false;
  std::string path_to_httpd;
  std::string php;
  bool open_last_session = false;

  bool operator==(const SettingsForm&) const = default;
};

SettingsForm FormOfSettings(const Settings& settings);

// OK: the HTTP server setting becomes -1 or 0, whatever number it held. A
// form without a language keeps the setting's. A form with a CR or LF in
// any value is refused whole (false): settings.dat holds one value a line.
[[nodiscard]] bool ApplySettingsForm(const SettingsForm& form,
                                     Settings& settings);

// The names of the sub-folders of `languages_folder`, sorted; one without
// main.lng is a language too. None when the folder cannot be read.
std::vector<std::string> InterfaceLanguages(
    const std::string& languages_folder);

// The browser list: field 0 of every entry after the placeholder, empty
// ones included, so list position k is entry k + 1.
std::vector<std::string> BrowserListCaptions(const Settings& settings);

// The entry at list `position`; an empty one outside the list.
ExternalBrowser BrowserAtPosition(const Settings& settings, int position);

enum class BrowserEntryCheck { kTaken, kFieldEmpty, kLineBreak };

// Appends `browser` unless a field the program uses (0 to 3) is empty or
// any field holds a CR or LF. The topic may stay empty: no browser here is
// driven by one.
BrowserEntryCheck AddBrowserEntry(Settings& settings,
                                  const ExternalBrowser& browser);

// Puts `browser` in place of the entry at list `position` under the same
// checks as adding; a position outside the list changes nothing.
BrowserEntryCheck ChangeBrowserEntry(Settings& settings, int position,
                                     const ExternalBrowser& browser);

// Empties the entry at list `position`; it keeps its place, so later
// positions stay, and an empty caption keeps it out of the menu and the
// file. A position outside the list changes nothing.
void RemoveBrowserEntry(Settings& settings, int position);

// The HTTP server folder as the folder picker's path gives it: cut at its
// first NUL, ending in "/".
std::string ServerFolderField(std::string_view chosen);

}  // namespace quillory
