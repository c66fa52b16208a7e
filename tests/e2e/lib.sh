# Helpers for tests that drive the real quillory binary under Xvfb.
# Source this file; call e2e_setup BINARY BUILD_DIR first.
set -euo pipefail

e2e_setup() {
  E2E_BINARY=$1
  E2E_BUILD=$2
  E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/quillory-e2e-XXXXXX")
  E2E_PROGRAM=$E2E_ROOT/program
  mkdir -p "$E2E_PROGRAM" "$E2E_ROOT/home"
  cp "$E2E_BINARY" "$E2E_PROGRAM/quillory"
  cp "$E2E_BUILD/libquillory_web.so" "$E2E_PROGRAM/"
  for folder in languages templates plug-ins; do
    [ -d "$E2E_BUILD/$folder" ] && cp -r "$E2E_BUILD/$folder" "$E2E_PROGRAM/"
  done
  export HOME=$E2E_ROOT/home XDG_CONFIG_HOME=$E2E_ROOT/home/config
  export XDG_STATE_HOME=$E2E_ROOT/home/state XDG_RUNTIME_DIR=$E2E_ROOT/run
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  e2e_start_xvfb
  trap e2e_cleanup EXIT
}

# Xvfb picks a free display itself and writes its number, so runs in
# parallel (or from other checkouts) never race for the same display.
e2e_start_xvfb() {
  local number_file=$E2E_ROOT/display
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x800x24}" -nolisten tcp \
    3>"$number_file" >/dev/null 2>&1 &
  E2E_XVFB_PID=$!
  for _ in $(seq 1 100); do
    if [ -s "$number_file" ] && grep -q '^[0-9]' "$number_file"; then
      export DISPLAY=":$(head -n 1 "$number_file")"
      return
    fi
    sleep 0.1
  done
  echo "e2e: could not start Xvfb" >&2
  exit 1
}

# Runs openbox, the window manager of the display from here on, and waits
# until it manages windows. Windows then get frames and a placement of the
# manager's, and take the focus with `xdotool windowactivate`.
e2e_start_openbox() {
  # Its configuration and theme are the system's, outside the test's own
  # folders; without a theme it does not start.
  XDG_CONFIG_DIRS=/etc/xdg XDG_DATA_DIRS=/usr/share openbox --sm-disable \
    >"$E2E_ROOT/openbox.log" 2>&1 &
  E2E_WM_PID=$!
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
      return 0
    sleep 0.1
  done
  echo "e2e: openbox did not start" >&2
  return 1
}

# Starts quillory with the given arguments and waits for its window. A
# live preview shown at start makes the toolkit make the window anew for
# the browser's first drawing, which may take the found one away before it
# takes the focus: it is then found again.
e2e_start() {
  (cd "$E2E_ROOT/home" && exec "$E2E_PROGRAM/quillory" "$@") \
    >"$E2E_ROOT/quillory.log" 2>&1 &
  E2E_PID=$!
  e2e_focus_named '^Quillory'
  E2E_WINDOW=$E2E_FOCUSED
}

# Writes page.html in the test folder with the bytes of a printf format,
# opens it and waits for its window; E2E_PAGE names the file.
e2e_open_page() {
  E2E_PAGE="$E2E_ROOT/page.html"
  printf "$1" >"$E2E_PAGE"
  e2e_start "$E2E_PAGE"
  e2e_wait_named "^Quillory - page.html$" >/dev/null
}

# Waits up to 60 seconds (or the seconds given) for the program to end;
# fails if it does not. A sanitizer build looks for leaks as it ends,
# which takes seconds.
e2e_wait_exit() {
  for _ in $(seq 1 $((${1:-60} * 10))); do
    kill -0 "$E2E_PID" 2>/dev/null || { wait "$E2E_PID" || true; return 0; }
    sleep 0.1
  done
  echo "e2e: quillory did not exit" >&2
  cat "$E2E_ROOT/quillory.log" >&2
  return 1
}

# Prints the newest visible window whose title matches the pattern, once
# there is one. xdotool's own --sync search fails outright when a window
# goes away while it looks (a dialog closing, say), so it is asked again.
e2e_wait_named() {
  for _ in $(seq 1 300); do
    local window
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null |
             tail -n 1) || true
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  echo "e2e: no window named $1" >&2
  return 1
}

# Gives the keyboard to that window, kept in E2E_FOCUSED; one of the same
# title that is closing may still be listed and refuse the focus, so it is
# tried again.
e2e_focus_named() {
  for _ in $(seq 1 100); do
    E2E_FOCUSED=$(e2e_wait_named "$1")
    xdotool windowfocus --sync "$E2E_FOCUSED" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "e2e: no window named $1 took the focus" >&2
  return 1
}

# For scripts that show pages. Under Xvfb the web engine's shared OpenGL
# context loads Mesa's software driver, which Mesa unloads as the display
# closes, before a sanitizer build looks for leaks: the driver's own leaks
# then name no library a suppression could match. The widget tests still
# look for leaks around the same windows.
e2e_shows_pages() {
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
}

e2e_screenshot() {
  import -window root "$1"
}

# The settings.dat the program ships, which turns HTML Tidy on and names
# PHP; Tidy then reads only its defaults, whatever this machine's
# configuration says.
e2e_use_tools() {
  local sources
  sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  cp "$sources/data/settings.dat" "$E2E_PROGRAM/"
  export HTML_TIDY=$sources/tests/fixtures/tools/tidy-defaults.conf
}

# The place of the shown window whose title matches, as shell assignments
# of WINDOW, X, Y, WIDTH and HEIGHT. A window the toolkit makes anew, as
# it does for a browser's first drawing, is looked up again.
e2e_window_geometry() {
  local window
  for _ in $(seq 1 20); do
    window=$(e2e_wait_named "$1")
    xdotool getwindowgeometry --shell "$window" 2>/dev/null && return 0
    sleep 0.25
  done
  echo "e2e: no lasting window titled $1" >&2
  return 1
}

# Chooses a menu command by keys: Alt with the menu's letter, then the
# keys that reach the command (mnemonic letters or arrows and Return).
e2e_menu() {
  xdotool windowfocus --sync "$E2E_WINDOW"
  xdotool key --clearmodifiers "alt+$1"
  shift
  sleep 0.3
  xdotool key --clearmodifiers --delay 150 "$@"
}

# The colour of one pixel of a screenshot, as six hexadecimal digits.
e2e_pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 -format '%[hex:u.p]' info: | cut -c1-6
}

# Waits up to ten seconds for the screen's pixel at X Y to show a colour
# (six hexadecimal digits): a browser draws a while after its page loads.
# The last screenshot stays in shot.png.
e2e_wait_colour() {
  for _ in $(seq 1 40); do
    sleep 0.25
    e2e_screenshot "$E2E_ROOT/shot.png"
    [ "$(e2e_pixel "$E2E_ROOT/shot.png" "$1" "$2")" = "$3" ] && return 0
  done
  echo "e2e: the screen at $1,$2 is not $3" >&2
  return 1
}

e2e_cleanup() {
  [ -n "${E2E_PID:-}" ] && kill "$E2E_PID" 2>/dev/null || true
  [ -n "${E2E_WM_PID:-}" ] && kill "$E2E_WM_PID" 2>/dev/null || true
  [ -n "${E2E_XVFB_PID:-}" ] && kill "$E2E_XVFB_PID" 2>/dev/null || true
  # The desktop's cache tools, started in the background at registration,
  # may still be writing into the folder.
  rm -rf "$E2E_ROOT" 2>/dev/null || { sleep 1; rm -rf "$E2E_ROOT"; }
}

# Compares a file with the expected bytes given as a printf format. A save
# writes and syncs a while after its key, longer on a busy disk, so the
# file has ten seconds to come right.
e2e_expect_file() {
  local file=$1 format=$2
  printf "$format" >"$E2E_ROOT/expected.bytes"
  e2e_wait_same "$file" "$E2E_ROOT/expected.bytes"
}

# Whether a file comes to hold the bytes of another within `$3` quarter
# seconds.
e2e_same_within() {
  for _ in $(seq 1 "$3"); do
    cmp -s "$1" "$2" && return 0
    sleep 0.25
  done
  return 1
}

# Waits up to ten seconds for a file to hold the bytes of another.
e2e_wait_same() {
  e2e_same_within "$1" "$2" 40 && return 0
  echo "e2e: $1 differs from what was expected:" >&2
  cmp "$1" "$2" >&2 || true
  od -c "$1" | head -n 20 >&2
  return 1
}

# Saves with Ctrl+S until a file holds the bytes of another: a key pressed
# while an external program still works on the document saves the text
# of before.
e2e_save_until_same() {
  for _ in $(seq 1 10); do
    xdotool key --clearmodifiers ctrl+s
    e2e_same_within "$1" "$2" 4 && return 0
  done
  e2e_wait_same "$1" "$2"
}
