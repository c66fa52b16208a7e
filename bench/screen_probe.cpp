#include "screen_probe.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace quillory::bench {
namespace {

// The editor under test, ended on a failure too.
pid_t editor_pid = 0;

// A probe stopped from outside (a timeout, Ctrl+C) takes the editor with
// it; an editor left running would hold the caller's output open.
void OnStop(int) {
  if (editor_pid > 0) kill(editor_pid, SIGKILL);
  _exit(1);
}

// The tag blue of Quillory and Geany, or the dark red that Kate gives
// attribute values (its tags are black).
bool IsMarkupColour(unsigned long pixel) {
  const unsigned long red = (pixel >> 16) & 0xFF;
  const unsigned long green = (pixel >> 8) & 0xFF;
  const unsigned long blue = pixel & 0xFF;
  const bool tag_blue = blue > 200 && green < 60 && red < 60;
  const bool value_red = red > 150 && green < 40 && blue < 40;
  return tag_blue || value_red;
}

std::string WindowName(Display* display, Window window) {
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || name == nullptr) return "";
  std::string result = name;
  XFree(name);
  return result;
}

// A window may go away between being listed and being asked about; what
// the probe then waits for times out with its own message.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

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

}  // namespace

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start)
      .count();
}

void Fail(const char* what) {
  std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, what);
  if (editor_pid > 0) kill(editor_pid, SIGKILL);
  std::exit(1);
}

ScreenCopy::ScreenCopy(Display* display) : display_(display) {
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

ScreenCopy::Change ScreenCopy::Next(double timeout_ms) {
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

void ScreenCopy::Settle(double quiet_ms, int ignored) {
  const Clock::time_point start = Clock::now();
  Clock::time_point quiet_since = start;
  while (MsSince(quiet_since) < quiet_ms) {
    if (MsSince(start) > 30000) Fail("the screen did not settle in 30 s");
    const Change change = Next(quiet_ms - MsSince(quiet_since));
    if (std::max(change.columns, change.watched_columns) > ignored) {
      quiet_since = Clock::now();
    }
  }
}

int ScreenCopy::ColouredPixels() const {
  return static_cast<int>(
      std::count_if(pixels_.begin(), pixels_.end(), IsMarkupColour));
}

Area ScreenCopy::AreaOf(unsigned long colour, int* count) const {
  Area area{width_, height_, 0, 0};
  *count = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (pixels_[y * width_ + x] != colour) continue;
      ++*count;
      area = {std::min(area.left, x), std::min(area.top, y),
              std::max(area.right, x + 1), std::max(area.bottom, y + 1)};
    }
  }
  return *count > 0 ? area : Area{};
}

ScreenCopy::Change ScreenCopy::Read(int x, int y, int w, int h) {
  Change change;
  change.drawn = true;
  w = std::min(w, width_ - x);
  h = std::min(h, height_ - y);
  if (w <= 0 || h <= 0) return change;
  XImage* image = XGetImage(display_, root_, x, y, w, h, AllPlanes, ZPixmap);
  if (image == nullptr) return change;
  std::vector<bool> column_changed(w, false);
  std::vector<bool> watched_column_changed(w, false);
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      const unsigned long pixel = XGetPixel(image, column, row) & 0xFFFFFF;
      unsigned long& kept = pixels_[(y + row) * width_ + x + column];
      if (pixel == kept) continue;
      (watched_.Holds(x + column, y + row) ? watched_column_changed
                                           : column_changed)[column] = true;
      if (IsMarkupColour(pixel)) ++change.coloured;
      kept = pixel;
    }
  }
  XDestroyImage(image);
  change.columns = static_cast<int>(
      std::count(column_changed.begin(), column_changed.end(), true));
  change.watched_columns = static_cast<int>(std::count(
      watched_column_changed.begin(), watched_column_changed.end(), true));
  return change;
}

Window FindNamed(Display* display, const std::string& title) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent,
                  &children, &count)) {
    return 0;
  }
  Window found = 0;
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, children[i], &attributes) &&
        attributes.map_state == IsViewable &&
        WindowName(display, children[i]).rfind(title, 0) == 0) {
      found = children[i];
    }
  }
  XFree(children);
  return found;
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

void AwaitChange(ScreenCopy& screen, int ignored, const char* what) {
  const Clock::time_point start = Clock::now();
  while (MsSince(start) < 10000) {
    if (screen.Next(10000 - MsSince(start)).columns > ignored) return;
  }
  Fail(what);
}

double Percentile(std::vector<double> times, double fraction) {
  std::sort(times.begin(), times.end());
  const size_t index =
      std::min(times.size() - 1, static_cast<size_t>(fraction * times.size()));
  return times[index];
}

Display* OpenDisplay() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) Fail("no X display");
  XSetErrorHandler(IgnoreError);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  return display;
}

double StartEditor(Display* display, ScreenCopy& screen,
                   const std::string& title, char** command) {
  signal(SIGTERM, OnStop);
  signal(SIGINT, OnStop);
  editor_pid = Start(command);
  Window window = 0;
  const double open_ms = TimeOpen(display, screen, title, window);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  screen.Settle(1000);
  return open_ms;
}

pid_t EditorPid() { return editor_pid; }

void EndEditor(Display* display) {
  kill(editor_pid, SIGKILL);
  waitpid(editor_pid, nullptr, 0);
  XCloseDisplay(display);
}

}  // namespace quillory::bench
