#pragma once

#include <QWidget>

#include <functional>

#include "app/splash_steps.h"

class QLabel;
class QTimer;

namespace quillory {

// The splash window (`Intro`): a frameless window that fades in while the
// hidden main window is ready, animates its "Loading" label, and hands
// over when its finish timer fires or its close mark is clicked. It knows
// nothing of the main window but the hand-over it is given.
class Intro : public QWidget {
 public:
  Intro();

  // Shows the window and starts the fade; `hand_over` runs once, after the
  // window has closed.
  void Start(std::function<void()> hand_over);

 private:
  void BuildArtwork();
  void OnFade();
  void OnDots();
  void Finish();

  SplashSteps steps_;
  std::function<void()> hand_over_;
  QLabel* loading_ = nullptr;
  QTimer* fade_ = nullptr;
  QTimer* dots_ = nullptr;
  QTimer* finish_ = nullptr;
};

}  // namespace quillory
