#include "app/plugin_set.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quillory {
namespace {

constexpr char kFolder[] = QUILLORY_TEST_PLUGINS;
constexpr std::chrono::milliseconds kShortLimit{50};

std::string Entry(const std::string& name, const std::string& library) {
  return name + "\\\\\\" + library;
}

TEST(PluginSetTest, RunEndsInReplaceKeepOrAnError) {
  PluginSet plugins(PluginRegistrar(kShortLimit, {}));
  const std::tuple<const char*, PluginOutcome, const char*> rows[] = {
      {"Upper", PluginOutcome::kReplace, "AB\r\nC@1-3"},
      {"Refuse", PluginOutcome::kKeep, ""},
      {"Broken", PluginOutcome::kError, "broken on purpose"},
      {"Throws", PluginOutcome::kError, "thrown on purpose"},
      {"NoResult", PluginOutcome::kError, "The plug-in gave no text."},
      {"NullResult", PluginOutcome::kError, "The plug-in gave no text."},
      {"Huge", PluginOutcome::kError, "The plug-in's text is too large."},
  };
  for (const auto& [name, outcome, text] : rows) {
    plugins.LoadPlugin(std::string(kFolder) + "test_plugin.so", name);
    const PluginRun run =
        plugins.RunPlugin(plugins.Count() - 1, "ab\r\nc", 1, 3);
    EXPECT_EQ(run.outcome, outcome) << name;
    EXPECT_EQ(run.text, text) << name;
  }
}

// Every slot stays, so later plug-ins keep their menu entries' numbers.
TEST(PluginSetTest, AnUnusableLibraryKeepsAnEmptySlot) {
  PluginSet plugins(PluginRegistrar(kShortLimit, {}));
  plugins.LoadEntries(
      kFolder,
      {Entry("Upper", "missing.so"), Entry("Upper", "not_a_library.so"),
       Entry("Upper", "no_entry_plugin.so"), Entry("Unknown", "test_plugin.so"),
       Entry("Nameless", "test_plugin.so"), Entry("Future", "test_plugin.so"),
       Entry("Registered", "hanging_plugin.so"),
       Entry("Registered", "registering_plugin.so"),
       Entry("Upper", "test_plugin.so"), Entry("Upper", "test_plugin.so")});
  const std::optional<std::string> none;
  EXPECT_EQ((std::vector<std::optional<std::string>>{
                none, none, none, none, none, none, none, "Registered",
                "Upper case", "Upper case"}),
            ([&] {
              std::vector<std::optional<std::string>> captions;
              for (int k = 0; k < plugins.Count(); ++k) {
                captions.push_back(plugins.Caption(k));
              }
              return captions;
            })());
  EXPECT_EQ(plugins.RunPlugin(0, "", 0, 0).text, "The plug-in is not loaded.");
}

// An entry point past the limit is left running and never called again.
TEST(PluginRegistrarTest, AHangCostsTheLimitOnce) {
  PluginRegistrar registrar(kShortLimit, {});
  const std::string hanging = std::string(kFolder) + "hanging_plugin.so";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(registrar.RegisterServer(hanging, RegistrationStep::kRegister),
            RegistrationOutcome::kOverran);
  EXPECT_EQ(registrar.RegisterServer(hanging, RegistrationStep::kUnregister),
            RegistrationOutcome::kSkipped);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(
      registrar.RegisterServer(std::string(kFolder) + "no_entry_plugin.so",
                               RegistrationStep::kRegister),
      RegistrationOutcome::kNoEntryPoint);
}

}  // namespace
}  // namespace quillory
