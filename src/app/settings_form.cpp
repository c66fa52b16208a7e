#include "app/settings_form.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "tools/browser_detection.h"

namespace quillory {
namespace {

bool InList(const Settings& settings, int position) {
  return position >= 0 &&
         position + 1 < static_cast<int>(settings.external_browsers.size());
}

}  // namespace

SettingsForm FormOfSettings(const Settings& settings) {
  return {settings.language, settings.is_http_server != 0,
          settings.path_to_httpd, settings.php, settings.open_last_session};
}

bool ApplySettingsForm(const SettingsForm& form, Settings& settings) {
  if (HoldsLineBreak(form.language) || HoldsLineBreak(form.path_to_httpd) ||
      HoldsLineBreak(form.php)) {
    return false;
  }
  if (!form.language.empty()) settings.language = form.language;
  settings.path_to_httpd = form.path_to_httpd;
  settings.is_http_server = form.http_server ? -1 : 0;
  settings.php = form.php;
  settings.open_last_session = form.open_last_session;
  return true;
}

std::vector<std::string> InterfaceLanguages(
    const std::string& languages_folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(languages_folder, error)) {
    if (entry.is_directory(error)) {
      names.push_back(entry.path().filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> BrowserListCaptions(const Settings& settings) {
  std::vector<std::string> captions;
  for (size_t i = 1; i < settings.external_browsers.size(); ++i) {
    captions.push_back(settings.external_browsers[i][0]);
  }
  return captions;
}

ExternalBrowser BrowserAtPosition(const Settings& settings, int position) {
  if (!InList(settings, position)) return {};
  return settings.external_browsers[position + 1];
}

BrowserEntryCheck CheckBrowserEntry(const ExternalBrowser& browser) {
  constexpr int kUsedFields = 4;
  if (std::any_of(browser.begin(), browser.begin() + kUsedFields,
                  [](const std::string& field) { return field.empty(); })) {
    return BrowserEntryCheck::kFieldEmpty;
  }
  if (std::any_of(browser.begin(), browser.end(), [](const std::string& field) {
        return HoldsLineBreak(field);
      })) {
    return BrowserEntryCheck::kLineBreak;
  }
  return BrowserEntryCheck::kTaken;
}

BrowserEntryCheck AddBrowserEntry(Settings& settings,
                                  const ExternalBrowser& browser) {
  const BrowserEntryCheck check = CheckBrowserEntry(browser);
  if (check == BrowserEntryCheck::kTaken) AddBrowser(settings, browser);
  return check;
}

BrowserEntryCheck ChangeBrowserEntry(Settings& settings, int position,
                                     const ExternalBrowser& browser) {
  const BrowserEntryCheck check = CheckBrowserEntry(browser);
  if (check == BrowserEntryCheck::kTaken && InList(settings, position)) {
    settings.external_browsers[position + 1] = browser;
  }
  return check;
}

void RemoveBrowserEntry(Settings& settings, int position) {
  if (InList(settings, position)) {
    settings.external_browsers[position + 1] = ExternalBrowser{};
  }
}

std::string ServerFolderField(std::string_view chosen) {
  std::string folder(chosen.substr(0, chosen.find('\0')));
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

}  // namespace quillory
