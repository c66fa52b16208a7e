#pragma once

#include <optional>
#include <string>

namespace quillory {

// What one tick of the splash window's fade timer does.
struct FadeStep {
  int opacity = 0;            // 0 to 255
  bool apply = false;         // the window takes the new opacity
  bool start_timers = false;  // the dots and finish timers start now
};

// The splash window's fade and its "Loading" text, tick by tick, without
// the timers that drive them.
class SplashSteps {
 public:
  static constexpr int kStartOpacity = 20;
  static constexpr int kFadeMs = 10;
  static constexpr int kDotsMs = 500;
  static constexpr int kFinishMs = 2500;

  // Opacity up by 4; the other timers start once, when it first passes
  // 130; it is applied while below 255, so the last value is 252.
  FadeStep Fade();
  // "Loading", "Loading.", "Loading..", "Loading...", then a tick that
  // changes nothing, so the last text stays twice as long.
  std::optional<std::string> Dots();

 private:
  int opacity_ = kStartOpacity;
  bool timers_started_ = false;
  int dots_ = 0;
};

}  // namespace quillory
