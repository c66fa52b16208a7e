#!/usr/bin/env bash
# A value with a line break pasted into the PHP field is refused on OK, so
# settings.dat written at exit holds no line the window did not set.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

e2e_open_page 'php\r\nplugin=Evil\\\\\\../../evil.so'
xdotool key --clearmodifiers ctrl+a ctrl+c
e2e_menu s Return
e2e_focus_named '^Settings$'
# From the language list to the page tabs, on to the PHP page and its field.
xdotool key --clearmodifiers --delay 150 shift+Tab Right Right Tab ctrl+a \
  ctrl+v Return
xdotool windowfocus --sync "$(e2e_wait_named '^Quillory$')"
xdotool key --clearmodifiers Return
e2e_focus_named '^Settings$'
xdotool key --clearmodifiers Escape
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
if grep -a -q -i -e 'plugin=' -e 'evil' "$E2E_PROGRAM/settings.dat"; then
  od -c "$E2E_PROGRAM/settings.dat" >&2
  exit 1
fi
echo "1 passed, 0 failed"
