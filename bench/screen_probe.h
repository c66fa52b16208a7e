#pragma once

// What the screen probes share: one editor started under the X server in
// $DISPLAY and watched from outside, through what it draws (XDamage) and
// the keys it is sent (XTest).

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace quillory::bench {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start);

// Columns that a caret drawn or erased changes at most.
inline constexpr int kCaretWidth = 2;

// Says what went wrong on stderr and ends the editor and the probe.
[[noreturn]] void Fail(const char* what);

// Pixels from (left, top) up to, not including, (right, bottom).
struct Area {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Holds(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
};

// The screen as last read back, kept up to date rectangle by rectangle.
// The X server reports every drawn rectangle; its pixels are read back and
// compared with the copy, so drawing that changes nothing does not count.
class ScreenCopy {
 public:
  explicit ScreenCopy(Display* display);

  // Waits up to `timeout_ms` for drawing; reads back what was drawn and
  // returns what changed in it: its distinct columns outside the watched
  // area and inside it, and its pixels in a colour of marked-up text.
  struct Change {
    int columns = 0;
    int watched_columns = 0;
    int coloured = 0;
    bool drawn = false;
  };
  Change Next(double timeout_ms);

  // Lets drawing end: returns once nothing wider than `ignored` columns
  // (the blinking caret, say) was drawn for `quiet_ms`; fails when the
  // screen keeps changing for 30 s (something that blinks for attention).
  void Settle(double quiet_ms, int ignored = kCaretWidth);

  // Told of every event that is not drawing.
  std::function<void(const XEvent&)> on_other_event;

  int ColouredPixels() const;

  // The smallest area that holds every pixel of `colour` (0xRRGGBB), with
  // their count; empty when there is none.
  Area AreaOf(unsigned long colour, int* count) const;

  // Changes in `area` are counted apart from those elsewhere.
  void Watch(Area area) { watched_ = area; }

 private:
  Change Read(int x, int y, int w, int h);

  Display* display_;
  Window root_;
  int width_ = 0;
  int height_ = 0;
  int damage_event_ = 0;
  std::vector<unsigned long> pixels_;
  Area watched_;
};

// The last shown top-level window whose name starts with `title`, or 0;
// with no window manager, which would put it in a frame of its own.
Window FindNamed(Display* display, const std::string& title);

// Presses and releases `keys`, like "ctrl+Home" or "x".
void Press(Display* display, const char* keys);

// Waits for drawing that changes more than `ignored` columns; fails with
// `what` when none comes in 10 s (a blinking caret goes on drawing
// meanwhile).
void AwaitChange(ScreenCopy& screen, int ignored, const char* what);

// `fraction` 0 is the least, 1 the most; never called without times.
double Percentile(std::vector<double> times, double fraction);

// The display of $DISPLAY, told of windows mapped at the top level.
Display* OpenDisplay();

// Starts `command` and returns the ms from the map of its main window,
// whose name starts with `title`, to the first screen with a few lines'
// worth of coloured markup; that window then has the keyboard and the
// screen has settled. The editor ends with the probe, even one stopped
// from outside.
double StartEditor(Display* display, ScreenCopy& screen,
                   const std::string& title, char** command);
pid_t EditorPid();
void EndEditor(Display* display);

}  // namespace quillory::bench
