#include "app/splash_steps.h"

namespace quillory {
namespace {

constexpr int kFadeStep = 4;
constexpr int kTimersAbove = 130;
constexpr int kOpaque = 255;
constexpr int kDotTicks = 5;

}  // namespace

FadeStep SplashSteps::Fade() {
  opacity_ += kFadeStep;
  FadeStep step;
  step.opacity = opacity_;
  step.apply = opacity_ < kOpaque;
  step.start_timers = opacity_ > kTimersAbove && !timers_started_;
  timers_started_ = timers_started_ || step.start_timers;
  return step;
}

std::optional<std::string> SplashSteps::Dots() {
  const int tick = dots_;
  dots_ = (dots_ + 1) % kDotTicks;
  if (tick == kDotTicks - 1) return std::nullopt;
  return "Loading" + std::string(tick, '.');
}

}  // namespace quillory
