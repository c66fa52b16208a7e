// Quillory's live preview as its user sees it, from outside the process:
// starts the editor on a page whose live preview is on, types into the
// heading at the top of the page and times from each key to the editor's
// echo and to the page drawn anew beside the source, through the X server
// under $DISPLAY (see screen_probe.h).
//
// Usage: live_preview_latency TITLE PAUSE_MS KEYS -- COMMAND...
// TITLE starts the main window's name. The page's first line opens the
// heading, on a background of pure green (#00ff00), and its second is the
// heading's text. PAUSE_MS is the typing pause after which the page
// follows the text; KEYS the count of keys. Prints one tab-separated line
// of ms: the median from a key to its echo, then from the end of the
// typing pause to the page's first drawing and to its last before it
// stops, each as median, least and most.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "screen_probe.h"

namespace quillory::bench {
namespace {

// A colour that the editor never draws: where it is, the page is.
constexpr unsigned long kHeadingColour = 0x00FF00;

// Drawing in the page that stops this long is taken as done.
constexpr double kPageQuietMs = 1000;

// Waits up to a minute for the page's heading, then for the screen to
// settle; returns the heading's area.
Area AwaitHeading(ScreenCopy& screen) {
  const Clock::time_point start = Clock::now();
  int count = 0;
  while (count < 2000) {
    if (MsSince(start) > 60000) Fail("the live preview showed no page in 60 s");
    if (screen.Next(50).drawn) screen.AreaOf(kHeadingColour, &count);
  }
  screen.Settle(1000);
  return screen.AreaOf(kHeadingColour, &count);
}

struct KeyToPage {
  double echo_ms = 0;   // to the editor's text showing it
  double first_ms = 0;  // to the page's first drawing anew
  double done_ms = 0;   // to its last drawing before it stops
};

// Types `key` into the heading's text. The page follows a typing pause
// later, drawn at once or first as far as it has been read, at the top,
// and then whole, scrolled back to where it was.
KeyToPage TimeKeyToPage(Display* display, ScreenCopy& screen, const char* key) {
  KeyToPage times;
  const Clock::time_point pressed = Clock::now();
  Press(display, key);
  while (times.done_ms == 0 ||
         MsSince(pressed) - times.done_ms < kPageQuietMs) {
    if (MsSince(pressed) > 10000) {
      Fail("the page did not show a key and stop drawing in 10 s");
    }
    const ScreenCopy::Change change = screen.Next(50);
    if (times.echo_ms == 0 && change.columns > kCaretWidth) {
      times.echo_ms = MsSince(pressed);
    }
    if (change.watched_columns > kCaretWidth) {
      times.done_ms = MsSince(pressed);
      if (times.first_ms == 0) times.first_ms = times.done_ms;
    }
  }
  if (times.echo_ms == 0) Fail("the page showed a key that the text did not");
  return times;
}

void PrintSpread(const std::vector<double>& times) {
  std::printf("\t%.0f\t%.0f\t%.0f", Percentile(times, 0.5),
              Percentile(times, 0), Percentile(times, 1));
}

// Each key once the screen has settled; an "x" and a BackSpace take
// turns, so the page keeps its size.
void TimeLivePreview(Display* display, ScreenCopy& screen,
                     const std::string& title, int keys, double pause_ms) {
  const Area heading = AwaitHeading(screen);
  // The toolkit makes the main window anew for the browser's first
  // drawing, so the window that took the keyboard at the start may be gone.
  const Window window = FindNamed(display, title);
  XWindowAttributes attributes;
  if (window == 0 || !XGetWindowAttributes(display, window, &attributes)) {
    Fail("the main window went away");
  }
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  Press(display, "ctrl+Home");
  Press(display, "Down");
  // Down to the window's bottom: the rest of the page may be drawn after
  // the heading.
  screen.Watch({heading.left, heading.top, heading.right,
                attributes.y + attributes.height});
  std::vector<double> echoes;
  std::vector<double> firsts;
  std::vector<double> dones;
  for (int i = 0; i < keys; ++i) {
    screen.Settle(500);
    const KeyToPage times =
        TimeKeyToPage(display, screen, i % 2 == 0 ? "x" : "BackSpace");
    echoes.push_back(times.echo_ms);
    firsts.push_back(times.first_ms - pause_ms);
    dones.push_back(times.done_ms - pause_ms);
  }
  std::printf("%.2f", Percentile(echoes, 0.5));
  PrintSpread(firsts);
  PrintSpread(dones);
  std::printf("\n");
}

int Main(int argc, char** argv) {
  if (argc < 6 || std::strcmp(argv[4], "--") != 0 || std::atoi(argv[3]) < 1) {
    Fail("usage: TITLE PAUSE_MS KEYS -- COMMAND [ARGS...]");
  }
  Display* display = OpenDisplay();
  ScreenCopy screen(display);
  StartEditor(display, screen, argv[1], argv + 5);
  TimeLivePreview(display, screen, argv[1], std::atoi(argv[3]),
                  std::atof(argv[2]));
  EndEditor(display);
  return 0;
}

}  // namespace
}  // namespace quillory::bench

int main(int argc, char** argv) { return quillory::bench::Main(argc, argv); }
