#include "app/plugin_set.h"

#include "app/plugin_marks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "support/test_folder.h"

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
    const auto run = plugins.RunPlugin(plugins.Count() - 1, "ab\r\nc", 1, 3);
    EXPECT_EQ(run.outcome, outcome) << name;
    EXPECT_EQ(run.text, text) << name;
  }
}

using Slots = std::vector<std::optional<std::string>>;
constexpr std::nullopt_t kNone = std::nullopt;

Slots Captions(const PluginSet& plugins) {
  Slots captions;
  for (int k = 0; k < plugins.Count(); ++k) {
    captions.push_back(plugins.Caption(k));
  }
  return captions;
}

// A mark left by a start that died while loading skips that entry, and
// stays; an entry that loads leaves no mark.
TEST(PluginSetTest, AMarkedEntryIsSkippedAndKeepsItsMark) {
  const testing::TestFolder folder;
  const std::string path = folder.Path("plugin-marks");
  PluginMarks(path).Mark(Entry("Upper", "test_plugin.so"));
  PluginSet plugins(PluginRegistrar(kShortLimit, {}));
  {
    PluginMarks marks(path);
    EXPECT_EQ(plugins.LoadEntries(kFolder,
                                  {Entry("Upper", "test_plugin.so"),
                                   Entry("Refuse", "test_plugin.so")},
                                  marks),
              std::vector<std::string>{"Upper"});
  }
  EXPECT_EQ(Captions(plugins), (Slots{kNone, "Upper case"}));
  const PluginMarks next_start(path);
  EXPECT_TRUE(next_start.Marked(Entry("Upper", "test_plugin.so")));
  EXPECT_FALSE(next_start.Marked(Entry("Refuse", "test_plugin.so")));
}

// Every slot stays, so later plug-ins keep their menu entries' numbers.
// Only a bare file name inside the plug-ins folder is loaded.
TEST(PluginSetTest, AnUnusableOrOutsideLibraryKeepsAnEmptySlot) {
  PluginSet plugins(PluginRegistrar(kShortLimit, {}));
  PluginMarks marks("");
  plugins.LoadEntries(
      kFolder,
      {Entry("Upper", "../plug-ins/test_plugin.so"),
       Entry("Upper", std::string(kFolder) + "test_plugin.so"),
       Entry("Upper", "..\\test_plugin.so"), Entry("Upper", "missing.so"),
       Entry("Upper", "not_a_library.so"), Entry("Upper", "no_entry_plugin.so"),
       Entry("Unknown", "test_plugin.so"), Entry("Nameless", "test_plugin.so"),
       Entry("Future", "test_plugin.so"),
       Entry("Registered", "hanging_plugin.so"),
       Entry("Registered", "registering_plugin.so"),
       Entry("Upper", "test_plugin.so"), Entry("Upper", "test_plugin.so")},
      marks);
  Slots captions(10, kNone);
  captions.insert(captions.end(), {"Registered", "Upper case", "Upper case"});
  EXPECT_EQ(Captions(plugins), captions);
  EXPECT_EQ(plugins.RunPlugin(0, "", 0, 0).text, "The plug-in is not loaded.");
}

// An entry point past the limit is left running and never called again.
TEST(PluginRegistrarTest, AHangCostsTheLimitOnce) {
  using enum RegistrationStep;
  using enum RegistrationOutcome;
  PluginRegistrar registrar(kShortLimit, {});
  const std::string hanging = std::string(kFolder) + "hanging_plugin.so";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(registrar.RegisterServer(hanging, kRegister), kOverran);
  EXPECT_EQ(registrar.RegisterServer(hanging, kUnregister), kSkipped);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  const std::string no_entry = std::string(kFolder) + "no_entry_plugin.so";
  EXPECT_EQ(registrar.RegisterServer(no_entry, kRegister), kNoEntryPoint);
}

}  // namespace
}  // namespace quillory
