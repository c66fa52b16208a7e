// Hostile values typed or pasted into the settings window, through OK and
// the browser list to settings.dat and back: every value the window takes
// reads back the same, and no line the window did not set appears (no
// "plugin=" line, above all).
#include <set>
#include <string>
#include <vector>

#include "app/settings_form.h"
#include "base/file_bytes.h"
#include "fuzz_input.h"

using namespace quillory;

namespace {

Settings Read(std::string_view file) {
  Settings settings;
  ApplySettingsLines(SplitLines(file), settings);
  return settings;
}

SettingsForm FormFrom(FuzzedDataProvider& input) {
  SettingsForm form;
  form.language = input.ConsumeRandomLengthString();
  form.http_server = input.ConsumeBool();
  form.path_to_httpd = input.ConsumeRandomLengthString();
  form.php = input.ConsumeRandomLengthString();
  form.open_last_session = input.ConsumeBool();
  return form;
}

bool AnyLineBreak(const SettingsForm& form) {
  return HoldsLineBreak(form.language) || HoldsLineBreak(form.path_to_httpd) ||
         HoldsLineBreak(form.php);
}

// Only the keys the window's fields and the fixed lines write.
void CheckKeys(const std::string& file) {
  static const std::set<std::string> kWritten = {
      "Language", "IsHTTPServer", "PathToHTTPD", "LastOpened",
      "Tidy",     "extern",       "php",         "open_last_session"};
  for (const std::string& line : SplitLines(file)) {
    if (line.empty()) continue;
    FUZZ_CHECK(kWritten.contains(line.substr(0, line.find('='))));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const SettingsForm form = FormFrom(input);
  ExternalBrowser browser;
  for (std::string& field : browser) {
    field = input.ConsumeRandomLengthString();
  }
  Settings settings;
  const bool applied = ApplySettingsForm(form, settings);
  FUZZ_CHECK(applied != AnyLineBreak(form));
  if (!applied) FUZZ_CHECK(SettingsFileText(settings) == SettingsFileText({}));
  const bool added =
      AddBrowserEntry(settings, browser) == BrowserEntryCheck::kTaken;
  const std::string file = SettingsFileText(settings);
  CheckKeys(file);
  const Settings back = Read(file);
  FUZZ_CHECK(back.plugins.empty());
  // Fields that meet the "///" separators may read back as other fields,
  // or as the empty placeholder, but never as more entries.
  FUZZ_CHECK(back.external_browsers.size() <= (added ? 2u : 1u));
  if (applied) FUZZ_CHECK(FormOfSettings(back) == form);
  return 0;
}
