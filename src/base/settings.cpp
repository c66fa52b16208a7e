#include "base/settings.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "base/number_parse.h"
#include "base/text_util.h"

namespace quillory {
namespace {

constexpr std::string_view kTripleBackslash = "\\\\\\";
constexpr std::string_view kBrowserSeparator = "///";
constexpr std::string_view kCrLf = "\r\n";

ExternalBrowser BrowserFromValue(std::string_view value) {
  ExternalBrowser browser;
  const std::vector<std::string> parts = Split(value, kBrowserSeparator);
  for (size_t i = 0; i < parts.size() && i < browser.size(); ++i) {
    browser[i] = parts[i];
  }
  return browser;
}

// The "extern" values already listed. A repeated value is dropped before
// it is split: files that grew by repetition repeat lines exactly. Values
// apart only in empty fields still name one browser, which is kept once so
// that the list written back reads back the same.
using ListedBrowsers = std::unordered_set<std::string_view>;

void AddListedBrowser(std::string_view value, Settings& settings,
                      ListedBrowsers& listed) {
  std::vector<ExternalBrowser>& browsers = settings.external_browsers;
  if (browsers.size() > kMaxExternalBrowsers) return;
  if (!listed.insert(value).second) return;
  ExternalBrowser browser = BrowserFromValue(value);
  if (std::find(browsers.begin(), browsers.end(), browser) == browsers.end()) {
    browsers.push_back(std::move(browser));
  }
}

void ApplyRecent(std::string_view value, Settings& settings) {
  const std::vector<std::string> parts = Split(value, kTripleBackslash);
  for (size_t i = 0; i < parts.size() && i < settings.last_opened.size(); ++i) {
    settings.last_opened[i] = parts[i];
  }
}

void ApplyLine(std::string_view line, Settings& settings,
               ListedBrowsers& listed) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string key = ToLowerAscii(line.substr(0, equals));
  const std::string_view value = line.substr(equals + 1);
  if (key == "plugin") {
    if (settings.plugins.size() < kMaxPlugins) {
      settings.plugins.emplace_back(value);
    }
  } else if (key == "tidy") {
    if (ToLowerAscii(TrimBlanks(value)) == "true") settings.tidy = true;
  } else if (key == "language") {
    settings.language = value;
  } else if (key == "ishttpserver") {
    if (auto number = ParseLeadingInteger(value)) {
      settings.is_http_server = *number;
    }
  } else if (key == "pathtohttpd") {
    settings.path_to_httpd = value;
  } else if (key == "open_last_session") {
    if (auto flag = ParseBoolean(value)) settings.open_last_session = *flag;
  } else if (key == "lastopened") {
    ApplyRecent(value, settings);
  } else if (key == "extern") {
    AddListedBrowser(value, settings, listed);
  } else if (key == "php") {
    settings.php = value;
  }
}

std::string UpToLineBreak(std::string_view value) {
  return std::string(value.substr(0, value.find_first_of("\r\n")));
}

std::string Keyed(std::string_view key, std::string_view value) {
  return std::string(key) + UpToLineBreak(value);
}

// Each part is cut on its own, so the separators between them stay.
std::string JoinedLines(const std::vector<std::string>& parts,
                        std::string_view separator) {
  std::vector<std::string> cut;
  for (const std::string& part : parts) cut.push_back(UpToLineBreak(part));
  return Join(cut, separator);
}

std::string KeyedLines(std::string_view key,
                       const std::vector<std::string>& values) {
  std::vector<std::string> lines;
  for (const std::string& value : values) lines.push_back(Keyed(key, value));
  return Join(lines, kCrLf);
}

std::vector<std::string> SavedBrowsers(const Settings& settings) {
  std::vector<std::string> values;
  for (size_t i = 1; i < settings.external_browsers.size(); ++i) {
    const ExternalBrowser& browser = settings.external_browsers[i];
    if (browser[0].empty()) continue;
    values.push_back(
        JoinedLines(std::vector<std::string>(browser.begin(), browser.end()),
                    kBrowserSeparator));
  }
  return values;
}

}  // namespace

bool HoldsLineBreak(std::string_view value) {
  return value.find_first_of("\r\n") != std::string_view::npos;
}

void ApplySettingsLines(const std::vector<std::string>& elements,
                        Settings& settings) {
  ListedBrowsers listed;
  for (size_t i = 0; i + 1 < elements.size(); ++i) {
    if (!elements[i].empty()) ApplyLine(elements[i], settings, listed);
  }
}

std::vector<std::string> SettingsFileLines(const Settings& settings) {
  const std::vector<std::string> recent(settings.last_opened.begin(),
                                        settings.last_opened.end());
  return {
      Keyed("Language=", settings.language),
      "IsHTTPServer=" + std::to_string(settings.is_http_server),
      Keyed("PathToHTTPD=", settings.path_to_httpd),
      "LastOpened=" + JoinedLines(recent, kTripleBackslash),
      std::string("Tidy=") + (settings.tidy ? "true" : "false"),
      KeyedLines("plugin=", settings.plugins),
      KeyedLines("extern=", SavedBrowsers(settings)),
      settings.php.empty() ? "" : Keyed("php=", settings.php),
      settings.open_last_session ? "open_last_session=1" : "",
  };
}

std::string SettingsFileText(const Settings& settings) {
  std::string text;
  for (const std::string& line : SettingsFileLines(settings)) {
    text += line;
    text += kCrLf;
  }
  return text;
}

int VisibleRecentCount(const Settings& settings) {
  int count = 0;
  while (count < kRecentCount && !settings.last_opened[count].empty()) ++count;
  return count;
}

}  // namespace quillory
