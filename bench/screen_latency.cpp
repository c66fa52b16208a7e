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
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "screen_probe.h"

namespace quillory::bench {
namespace {

// Columns that a scroll bar's thumb changes at most: wrapping the lines
// out of view moves it, while the text stays as it is.
constexpr int kThumbWidth = 24;

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

int Main(int argc, char** argv) {
  const int wrap_args = argc > 7 && std::strcmp(argv[6], "--") != 0 ? 1 : 0;
  if (argc < 8 + wrap_args || std::strcmp(argv[6 + wrap_args], "--") != 0) {
    Fail("usage: TITLE GOTO_KEY KEYS FILE LINES [WRAP] -- COMMAND [ARGS...]");
  }
  const char* go_to = argv[2];
  const int keys = std::atoi(argv[3]);
  const long lines = std::atol(argv[5]);
  Display* display = OpenDisplay();
  ScreenCopy screen(display);
  const double open_ms =
      StartEditor(display, screen, argv[1], argv + 7 + wrap_args);

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
  std::printf("\t%.0f\n", PeakMegabytes(EditorPid()));
  EndEditor(display);
  return 0;
}

}  // namespace
}  // namespace quillory::bench

int main(int argc, char** argv) { return quillory::bench::Main(argc, argv); }
