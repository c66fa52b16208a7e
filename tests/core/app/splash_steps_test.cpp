#include "app/splash_steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillory {
namespace {

TEST(SplashStepsTest, FadesFromTwentyInFoursAndStartsTheTimersOnce) {
  SplashSteps steps;
  std::vector<int> applied;
  std::vector<int> timers_started_at;
  for (int tick = 0; tick < 100; ++tick) {
    const FadeStep step = steps.Fade();
    if (step.apply) applied.push_back(step.opacity);
    if (step.start_timers) timers_started_at.push_back(step.opacity);
  }
  ASSERT_EQ(applied.size(), 58u);
  EXPECT_EQ(applied.front(), 24);
  EXPECT_EQ(applied.back(), 252);
  EXPECT_EQ(timers_started_at, std::vector<int>{132});
}

TEST(SplashStepsTest, DotsCycleAndTheLastTextStaysTwoTicks) {
  SplashSteps steps;
  std::vector<std::string> texts;
  for (int tick = 0; tick < 6; ++tick) {
    texts.push_back(steps.Dots().value_or("(unchanged)"));
  }
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Loading", "Loading.", "Loading..",
                                      "Loading...", "(unchanged)", "Loading"}));
}

}  // namespace
}  // namespace quillory
