#!/usr/bin/env bash
# Under a window manager on a 1920x1080 screen scaled twice: the main window
# and the designer open wholly on the screen, the designer centred on the
# main window; Esc closes the designer and the PHP output window, and the
# keys typed after each go into the document.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1920x1080x24 e2e_setup "$1" "$2"
e2e_start_openbox
e2e_use_tools
e2e_shows_pages
export QT_SCALE_FACTOR=2

# Fails unless the window titled $1 lies wholly on the screen; leaves its
# centre in CENTRE_X and CENTRE_Y.
on_screen() {
  eval "$(e2e_window_geometry "$1")"
  CENTRE_X=$((X + WIDTH / 2)) CENTRE_Y=$((Y + HEIGHT / 2))
  if ((X < 0 || Y < 0 || X + WIDTH > 1920 || Y + HEIGHT > 1080)); then
    echo "e2e: $1 at ${WIDTH}x${HEIGHT}+$X+$Y is not on the screen" >&2
    return 1
  fi
}

# Waits until the active window's title matches $1: the window manager
# hands the keys over a moment after a window shows or another closes.
active() {
  for _ in $(seq 1 50); do
    xdotool getactivewindow getwindowname 2>/dev/null | grep -q "$1" && return 0
    sleep 0.1
  done
  echo "e2e: $1 did not become the active window" >&2
  return 1
}

# Waits until no shown window has the title $1.
gone() {
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "e2e: $1 did not close" >&2
  return 1
}

e2e_open_page '<?php echo 7*6;\r\n'
on_screen "^Quillory - page.html$"
MAIN_X=$CENTRE_X MAIN_Y=$CENTRE_Y

e2e_menu t v   # Tools, Visual form designer
on_screen "^Visual Editor$"
if ((CENTRE_X - MAIN_X > 40 || MAIN_X - CENTRE_X > 40 ||
     CENTRE_Y - MAIN_Y > 60 || MAIN_Y - CENTRE_Y > 60)); then
  echo "e2e: the designer is not centred on the main window" >&2
  exit 1
fi
active "^Visual Editor$"
xdotool key --clearmodifiers Escape
gone "^Visual Editor$"
active "^Quillory - page.html$"
sleep 0.5
xdotool type --delay 50 'a'

e2e_menu t p r  # Tools, PHP, Run
OUTPUT=$(e2e_wait_named "^$(sed -n 's/^CheckDocForErr=//p' \
  "$E2E_PROGRAM/languages/english/captions.lng" | tr -d '\r')$")
xdotool windowactivate --sync "$OUTPUT" 2>/dev/null || true
active "^Tool output$"
sleep 1
xdotool key --clearmodifiers Escape
gone "^Tool output$"
active "^Quillory - page.html$"
sleep 0.5
xdotool type --delay 50 'b'
xdotool key --clearmodifiers ctrl+s
e2e_expect_file "$E2E_PAGE" 'ab<?php echo 7*6;\r\n'
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
