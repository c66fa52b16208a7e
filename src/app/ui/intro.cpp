#include "app/ui/intro.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace quillory {
namespace {

constexpr char kTitle[] = "Loading Quillory";

QTimer* NewTimer(QObject* owner, int interval_ms) {
  auto* timer = new QTimer(owner);
  timer->setInterval(interval_ms);
  timer->setTimerType(Qt::PreciseTimer);
  return timer;
}

}  // namespace

Intro::Intro() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("Intro");
  setWindowTitle(kTitle);
  BuildArtwork();
  fade_ = NewTimer(this, SplashSteps::kFadeMs);
  dots_ = NewTimer(this, SplashSteps::kDotsMs);
  finish_ = NewTimer(this, SplashSteps::kFinishMs);
  finish_->setSingleShot(true);
  connect(fade_, &QTimer::timeout, this, &Intro::OnFade);
  connect(dots_, &QTimer::timeout, this, &Intro::OnDots);
  connect(finish_, &QTimer::timeout, this, &Intro::Finish);
}

void Intro::BuildArtwork() {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0x2b, 0x4f, 0x81));
  colours.setColor(QPalette::WindowText, Qt::white);
  colours.setColor(QPalette::ButtonText, Qt::white);
  setPalette(colours);

  auto* close_mark = new QToolButton(this);
  close_mark->setObjectName("CloseMark");
  close_mark->setText(QString::fromUtf8("\u00d7"));
  close_mark->setAccessibleName("Close");
  close_mark->setAutoRaise(true);
  connect(close_mark, &QToolButton::clicked, this, &Intro::Finish);

  auto* name = new QLabel("Quillory", this);
  QFont big = name->font();
  big.setPointSize(big.pointSize() * 3);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  loading_ = new QLabel("Loading...", this);
  loading_->setObjectName("Loading");
  loading_->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(close_mark, 0, Qt::AlignRight);
  layout->addStretch();
  layout->addWidget(name);
  layout->addWidget(loading_);
  layout->addStretch();
  resize(420, 240);
}

void Intro::Start(std::function<void()> hand_over) {
  hand_over_ = std::move(hand_over);
  setWindowOpacity(SplashSteps::kStartOpacity / 255.0);
  move(screen()->availableGeometry().center() - rect().center());
  show();
  fade_->start();
}

void Intro::OnFade() {
  const FadeStep step = steps_.Fade();
  if (step.start_timers) {
    dots_->start();
    finish_->start();
  }
  if (!step.apply) return;
  setWindowOpacity(step.opacity / 255.0);
  // The toolkit sends a window property change to the display only with
  // the next request it flushes: a repaint makes each step reach it.
  update();
}

void Intro::OnDots() {
  if (std::optional<std::string> text = steps_.Dots()) {
    loading_->setText(QString::fromStdString(*text));
  }
}

// The close mark may come before the finish timer; either hands over once.
void Intro::Finish() {
  fade_->stop();
  dots_->stop();
  finish_->stop();
  close();
  if (std::function<void()> hand_over = std::exchange(hand_over_, nullptr)) {
    hand_over();
  }
}

}  // namespace quillory
