#include "tools/ui/preview_pane.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "support/fake_dialogs.h"
#include "support/test_folder.h"
#include "tools/ui/live_preview.h"

namespace quillory {
namespace {

class FakePageView : public QWidget, public PageView {
 public:
  using QWidget::QWidget;
  QWidget* Widget() override { return this; }
  void ShowFile(const QString&) override {}
  void Load(const QString&) override {}
  void Back() override {}
  void Forward() override {}
  void Reload() override {}
  void Watch(std::function<void(const QString&)>,
             std::function<void(const QString&, bool)> on_loaded) override {
    on_loaded_ = std::move(on_loaded);
  }
  void Confine(std::function<void(const QString&)>) override {}
  void Refresh(const QString& address) override { on_loaded_(address, true); }
  void Restart() override {}

 private:
  std::function<void(const QString&, bool)> on_loaded_;
};

PageView* MakeFakeView(QWidget* parent) { return new FakePageView(parent); }
PageView* MakeNoView(QWidget*) { return nullptr; }

// The rule, the browser module, the server mode, the served and temporary
// folders ("-" for the test's own), PHP, and the message's name in
// captions.lng.
using FailureRow = std::tuple<const char*, PageViewFactory, int, const char*,
                              const char*, const char*, const char*>;

// Each way a preview can fail says why in the language's words, keeps the
// editor and leaves no temporary page behind.
TEST(PreviewPaneTest, EachFailureSaysWhyAndLeavesNoPage) {
  const FailureRow rows[] = {
      {"no browser module", &MakeNoView, 0, "", "-", "", "PreviewNoBrowser"},
      {"no served folder", &MakeFakeView, -1, "", "-", "", "PreviewNoFolder"},
      {"folder not writable", &MakeFakeView, 0, "", "/no/such/", "",
       "PreviewWriteFailed"},
      {"no PHP for the server", &MakeFakeView, -1, "-", "-", "/no/such/php",
       "PreviewNoPhp"},
      {"PHP's server exits", &MakeFakeView, -1, "-", "-", "false",
       "PreviewPhpFailed"},
  };
  const testing::TestFolder folder;
  const AppEnvironment environment = folder.ProgramEnvironment();
  NamedCaptions captions;
  captions.LoadFromFile(environment.program_folder +
                        "languages/russian/captions.lng");
  const std::string own = environment.temp_folder;
  for (const auto& [rule, factory, server, served, temp, php, caption] : rows) {
    const Settings settings{
        .is_http_server = server,
        .path_to_httpd = served == std::string("-") ? own : served,
        .php = php};
    testing::FakeDialogs dialogs;
    bool editor_shown = true;
    QWidget parent;
    PreviewPane pane(
        {[] {
           return PreviewSource{"", false, "<p>unsaved"};
         },
         [](std::string_view) {}, [&](bool shown) { editor_shown = shown; },
         settings, temp == std::string("-") ? own : temp, factory, captions,
         dialogs},
        &parent);
    EXPECT_FALSE(pane.ShowPreview()) << rule;
    EXPECT_TRUE(editor_shown) << rule;
    EXPECT_TRUE(std::filesystem::is_empty(own)) << rule;
    const std::string text = *captions.Find(caption);
    ASSERT_EQ(dialogs.messages.size(), 1u) << rule;
    EXPECT_EQ(dialogs.messages[0].substr(0, 20), text.substr(0, 20)) << rule;
  }
}

// A page beside its source loads all the same, and its line says what
// will not work; a served folder that is gone is said at once.
TEST(LivePreviewTest, SaysOnItsLineWhatThePageLacks) {
  // The document's file, the served folder (empty: shown from a file) and
  // the line's caption (empty: the line stays hidden).
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"/site/page.html", "", ""},
      {"", "", "LivePreviewUnsaved"},
      {"", "/no/such/www", "LivePreviewNoServedFolder"}};
  const testing::TestFolder folder;
  const AppEnvironment environment = folder.ProgramEnvironment();
  NamedCaptions captions;
  captions.LoadFromFile(environment.program_folder +
                        "languages/russian/captions.lng");
  for (const auto& [file_path, served_folder, caption] : rows) {
    const Settings settings{.is_http_server = *served_folder ? -1 : 0,
                            .path_to_httpd = served_folder};
    const PreviewSource source{file_path, false, "<p>page"};
    LivePreview live({[&] { return std::optional(source); }, settings,
                      environment.temp_folder, &MakeFakeView, captions},
                     nullptr);
    live.SetOn(true);
    const QLabel* line = live.findChild<QLabel*>("LivePreviewLine");
    EXPECT_EQ(line->isHidden() ? "" : line->text().left(20),
              QString::fromStdString(captions.FindOr(caption, "")).left(20))
        << caption;
  }
}

}  // namespace
}  // namespace quillory
