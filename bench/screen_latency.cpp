// An editor as its user sees it, from outside the process: starts it on a
// file under the X server in $DISPLAY, then times from the main window's
// map to the first screen with coloured text, and from each typed key to
// the first screen that shows it, with the caret at the start, the middle
// and the end of the text. The X server reports every drawn rectangle
// (XDamage); the probe reads those pixels back and compares them with the
// screen before the key, so a blinking caret does not count as the key.
//
// Usage: screen_latency TITLE GOTO_KEY KEYS FILE LINES [WRAP] -- COMMAND...
// TITLE starts the main window's name; GOTO_KEY (like "ctrl+g") asks the
// editor for a line number, or "-" for none; KEYS is the count per caret
// place; LINES the file's line count. Prints one tab-separated line:
// open ms, then median and 99th percentile ms at start, middle and end,
// then the process's peak resident memory in MB.
// With WRAP, the keys that turn word wrap on and off (like "alt+e,w"), the
// caret goes to the middle and the line holds instead: open ms, then for
// wrap on and for wrap off the ms from the command to its redrawn text and
// the median and slowest of KEYS keys typed at once after it, while the
// lines out of view are still being wrapped; then peak memory.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Columns that a caret drawn or erased changes at most.
constexpr int kCaretWidth = 2;
// Columns that a scroll bar's thumb changes at most: wrapping the lines
// out of view moves it, while the text stays as it is.
constexpr int kThumbWidth = 24;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start)
      .count();
}

// The editor under test, ended on a failure too.
pid_t editor_pid = 0;

// A probe stopped from outside (a timeout, Ctrl+C) takes the editor with
// it; an editor left running would hold the caller's output open.
void OnStop(int) {
  if (editor_pid > 0) kill(editor_pid, SIGKILL);
  _exit(1);
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "screen_latency: %s\n", what);
  if (editor_pid > 0) kill(editor_pid, SIGKILL);
  std::exit(1);
}

// The screen as last read back, kept up to date rectangle by rectangle.
class ScreenCopy {
 public:
  explicit ScreenCopy(Display* display) : display_(display) {
    root_ = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root_, &attributes);
    width_ = attributes.width;
    height_ = attributes.height;
    pixels_.assign(static_cast<size_t>(width_) * height_, 0);
    int error = 0;
    if (!XDamageQueryExtension(display, &damage_event_, &error)) {
      Fail("the X server has no DAMAGE extension");
    }
    XDamageCreate(display, root_, XDamageReportRawRectangles);
    Read(0, 0, width_, height_);
  }

  // Waits up to `timeout_ms` for drawing; reads back what was drawn and
  // returns what changed in it: its distinct columns, and its pixels in a
  // colour of marked-up text.
  struct Change {
    int columns = 0;
    int coloured = 0;
    bool drawn = false;
  };
  Change Next(double timeout_ms) {
    const Clock::time_point start = Clock::now();
    while (MsSince(start) < timeout_ms) {
      if (!XPending(display_)) {
        usleep(100);
        continue;
      }
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type != damage_event_ + XDamageNotify) {
        if (on_other_event) on_other_event(event);
        continue;
      }
      const auto& area = reinterpret_cast<XDamageNotifyEvent&>(event).area;
      return Read(area.x, area.y, area.width, area.height);
    }
    return {};
  }

  // Lets drawing end: returns once nothing wider than `ignored` columns
  // (the blinking caret, say) was drawn for `quiet_ms`; fails when the
  // screen keeps changing for 30 s (something that blinks for attention).
  void Settle(double quiet_ms, int ignored = kCaretWidth) {
    const Clock::time_point start = Clock::now();
    Clock::time_point quiet_since = start;
    while (MsSince(quiet_since) < quiet_ms) {
      if (MsSince(start) > 30000) Fail("the screen did not settle in 30 s");
      if (Next(quiet_ms - MsSince(quiet_since)).columns > ignored) {
        quiet_since = Clock::now();
      }
    }
  }

  // Told of every event that is not drawing.
  std::function<void(const XEvent&)> on_other_event;

  int ColouredPixels() const {
    return static_cast<int>(
        std::count_if(pixels_.begin(), pixels_.end(), IsMarkupColour));
  }

 private:
  // The tag blue of Quillory and Geany, or the dark red that Kate gives
  // attribute values (its tags are black).
  static bool IsMarkupColour(unsigned long pixel) {
    const unsigned long red = (pixel >> 16) & 0xFF;
    const unsigned long green = (pixel >> 8) & 0xFF;
    const unsigned long blue = pixel & 0xFF;
    const bool tag_blue = blue > 200 && green < 60 && red < 60;
    const bool value_red = red > 150 && green < 40 && blue < 40;
    return tag_blue || value_red;
  }

  Change Read(int x, int y, int w, int h) {
    Change change;
    change.drawn = true;
    w = std::min(w, width_ - x);
    h = std::min(h, height_ - y);
    if (w <= 0 || h <= 0) return change;
    XImage* image = XGetImage(display_, root_, x, y, w, h, AllPlanes, ZPixmap);
    if (image == nullptr) return change;
    std::vector<bool> column_changed(w, false);
    for (int row = 0; row < h; ++row) {
      for (int column = 0; column < w; ++column) {
        const unsigned long pixel = XGetPixel(image, column, row) & 0xFFFFFF;
        unsigned long& kept = pixels_[(y + row) * width_ + x + column];
        if (pixel == kept) continue;
        column_changed[column] = true;
        if (IsMarkupColour(pixel)) ++change.coloured;
        kept = pixel;
      }
    }
    XDestroyImage(image);
    change.columns = static_cast<int>(
        std::count(column_changed.begin(), column_changed.end(), true));
    return change;
  }

  Display* display_;
  Window root_;
  int width_ = 0;
  int height_ = 0;
  int damage_event_ = 0;
  std::vector<unsigned long> pixels_;
};

std::string WindowName(Display* display, Window window) {
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || name == nullptr) return "";
  std::string result = name;
  XFree(name);
  return result;
}

pid_t Start(char** command) {
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(command[0], command);
    _exit(127);
  }
  return pid;
}

// Milliseconds from the map of the window whose name starts with `title`
// to the first screen with a few lines' worth of coloured markup.
double TimeOpen(Display* display, ScreenCopy& screen, const std::string& title,
                Window& main_window) {
  Clock::time_point mapped;
  main_window = 0;
  screen.on_other_event = [&](const XEvent& event) {
    if (main_window == 0 && event.type == MapNotify &&
        WindowName(display, event.xmap.window).rfind(title, 0) == 0) {
      main_window = event.xmap.window;
      mapped = Clock::now();
    }
  };
  const Clock::time_point start = Clock::now();
  while (MsSince(start) < 60000) {
    if (screen.Next(5).coloured > 0 && main_window != 0 &&
        screen.ColouredPixels() > 300) {
      screen.on_other_event = nullptr;
      return MsSince(mapped);
    }
  }
  Fail("no coloured main window within a minute");
}

void Press(Display* display, const char* keys) {
  std::vector<KeyCode> held;
  std::string all = keys;
  for (size_t start = 0; start <= all.size();) {
    size_t end = all.find('+', start);
    if (end == std::string::npos) end = all.size();
    std::string name = all.substr(start, end - start);
    if (name == "ctrl") name = "Control_L";
    if (name == "shift") name = "Shift_L";
    if (name == "alt") name = "Alt_L";
    const KeyCode code =
        XKeysymToKeycode(display, XStringToKeysym(name.c_str()));
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    held.push_back(code);
    start = end + 1;
  }
  for (auto code = held.rbegin(); code != held.rend(); ++code) {
    XTestFakeKeyEvent(display, *code, False, CurrentTime);
  }
  XFlush(display);
}

// Waits for drawing that changes more than `ignored` columns; fails when
// none comes in 10 s (a blinking caret goes on drawing meanwhile).
void AwaitChange(ScreenCopy& screen, int ignored, const char* what) {
  const Clock::time_point start = Clock::now();
  while (MsSince(start) < 10000) {
    if (screen.Next(10000 - MsSince(start)).columns > ignored) return;
  }
  Fail(what);
}

// Milliseconds from each "x" pressed to the screen showing it: more than
// `ignored` columns of pixels changed.
std::vector<double> TimeKeys(Display* display, ScreenCopy& screen, int keys,
                             int ignored = kCaretWidth) {
  const KeyCode x = XKeysymToKeycode(display, XK_x);
  std::vector<double> times;
  for (int i = 0; i < keys; ++i) {
    screen.Settle(40 + i % 7, ignored);
    const Clock::time_point pressed = Clock::now();
    XTestFakeKeyEvent(display, x, True, CurrentTime);
    XFlush(display);
    AwaitChange(screen, ignored, "a key did not reach the screen in 10 s");
    times.push_back(MsSince(pressed));
    XTestFakeKeyEvent(display, x, False, CurrentTime);
    XFlush(display);
  }
  return times;
}

double Percentile(std::vector<double> times, double fraction) {
  std::sort(times.begin(), times.end());
  const size_t index =
      std::min(times.size() - 1, static_cast<size_t>(fraction * times.size()));
  return times[index];
}

double PeakMegabytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024;
  }
  return 0;
}

void GoToLine(Display* display, ScreenCopy& screen, const char* go_to,
              long line) {
  Press(display, go_to);
  screen.Settle(1500);
  for (char digit : std::to_string(line)) {
    Press(display, std::string(1, digit).c_str());
  }
  Press(display, "Return");
  screen.Settle(300);
}

// Median and 99th percentile of `keys` typed with the caret at the start,
// the middle and the end; tab-separated.
void TimeCaretPlaces(Display* display, ScreenCopy& screen, const char* go_to,
                     long lines, int keys) {
  const char* places[] = {"ctrl+Home", nullptr, "ctrl+End"};
  for (const char* place : places) {
    if (place != nullptr) {
      Press(display, place);
      screen.Settle(500);
    } else if (std::strcmp(go_to, "-") != 0) {
      GoToLine(display, screen, go_to, lines / 2);
    } else {
      std::printf("\t-\t-");
      continue;
    }
    const std::vector<double> times = TimeKeys(display, screen, keys);
    std::printf("\t%.2f\t%.2f", Percentile(times, 0.5),
                Percentile(times, 0.99));
  }
}

// Milliseconds from the last of the comma-separated `keys` (a menu and
// its item, say) to the text drawn anew, then median and slowest of `keys`
// typed at once after it; tab-separated.
void TimeWrap(Display* display, ScreenCopy& screen, const std::string& command,
              int keys) {
  Clock::time_point pressed;
  for (size_t start = 0; start <= command.size();) {
    const size_t end = std::min(command.find(',', start), command.size());
    if (start > 0) screen.Settle(300);
    Press(display, command.substr(start, end - start).c_str());
    pressed = Clock::now();
    start = end + 1;
  }
  AwaitChange(screen, kThumbWidth,
              "a command did not reach the screen in 10 s");
  const double command_ms = MsSince(pressed);
  const std::vector<double> times =
      TimeKeys(display, screen, keys, kThumbWidth);
  std::printf("\t%.0f\t%.2f\t%.2f", command_ms, Percentile(times, 0.5),
              Percentile(times, 1));
}

}  // namespace

int main(int argc, char** argv) {
  const int wrap_args = argc > 7 && std::strcmp(argv[6], "--") != 0 ? 1 : 0;
  if (argc < 8 + wrap_args || std::strcmp(argv[6 + wrap_args], "--") != 0) {
    Fail("usage: TITLE GOTO_KEY KEYS FILE LINES [WRAP] -- COMMAND [ARGS...]");
  }
  const std::string title = argv[1];
  const char* go_to = argv[2];
  const int keys = std::atoi(argv[3]);
  const long lines = std::atol(argv[5]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) Fail("no X display");
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  ScreenCopy screen(display);

  signal(SIGTERM, OnStop);
  signal(SIGINT, OnStop);
  const pid_t pid = Start(argv + 7 + wrap_args);
  editor_pid = pid;
  Window window = 0;
  const double open_ms = TimeOpen(display, screen, title, window);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  screen.Settle(1000);

  std::printf("%.0f", open_ms);
  if (wrap_args != 0) {
    GoToLine(display, screen, go_to, lines / 2);
    for (int toggle = 0; toggle < 2; ++toggle) {
      TimeWrap(display, screen, argv[6], keys);
      screen.Settle(5000, kThumbWidth);
    }
  } else {
    TimeCaretPlaces(display, screen, go_to, lines, keys);
  }
  std::printf("\t%.0f\n", PeakMegabytes(pid));
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
