// settings.dat as the program reads it at start, then writes it at exit:
// what is written must read back as the same settings. As the file format
// has it, a value cannot always be told from the separators around it when
// it holds a backslash (three separate recent files and a plug-in's name
// from its library), or when a browser's field ends in "/" or holds "///"
// (three separate its fields); and a value is written only up to a CR or
// LF it holds. Such settings are only read and written.
#include <algorithm>

#include "app/language_files.h"
#include "base/file_bytes.h"
#include "base/settings.h"
#include "fuzz_input.h"

using namespace quillory;

namespace {

Settings Read(std::string_view file) {
  Settings settings;
  ApplySettingsLines(SplitLines(file), settings);
  SettleLanguage(settings, "ru_RU.UTF-8");
  FUZZ_CHECK(VisibleRecentCount(settings) <= kRecentCount);
  return settings;
}

bool HasBackslashOrLineBreak(std::string_view value) {
  return value.find('\\') != std::string_view::npos || HoldsLineBreak(value);
}

bool MeetsBrowserSeparator(std::string_view field) {
  return field.ends_with('/') || field.find("///") != std::string_view::npos ||
         HoldsLineBreak(field);
}

bool ValuesMeetSeparators(const Settings& settings) {
  for (const ExternalBrowser& browser : settings.external_browsers) {
    if (std::any_of(browser.begin(), browser.end(), MeetsBrowserSeparator))
      return true;
  }
  // A plug-in line is its name and library with three backslashes between.
  std::vector<std::string_view> values = {settings.language,
                                          settings.path_to_httpd, settings.php};
  values.insert(values.end(), settings.last_opened.begin(),
                settings.last_opened.end());
  for (std::string_view plugin : settings.plugins) {
    const size_t separator = plugin.find("\\\\\\");
    values.push_back(plugin.substr(0, separator));
    if (separator != std::string_view::npos)
      values.push_back(plugin.substr(separator + 3));
  }
  return std::any_of(values.begin(), values.end(), HasBackslashOrLineBreak);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Settings settings = Read(fuzz::AsText(data, size));
  const std::string written = SettingsFileText(settings);
  const std::string again = SettingsFileText(Read(written));
  if (!ValuesMeetSeparators(settings)) FUZZ_CHECK(again == written);
  return 0;
}
