#!/usr/bin/env bash
# Text typed before the program is killed comes back at the next start,
# byte for byte; text left at Quit is offered too, and refusing it leaves
# nothing behind.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
store=$XDG_STATE_HOME/quillory/recovery

e2e_open_page 'a\000b\r\n\377\n'
xdotool type --delay 30 'xyz'
sleep 3
kill -9 "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true

e2e_start
sleep 1
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/question.png"
xdotool key --clearmodifiers Return
# The window found at the start was the question.
E2E_WINDOW=$(e2e_wait_window "^Quillory - page.html$")
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/restored.png"
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+s
e2e_expect_file "$E2E_PAGE" 'xyza\000b\r\n\377\n'

xdotool type --delay 30 'q'
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
e2e_start
sleep 1
xdotool key --clearmodifiers n
sleep 0.5
E2E_WINDOW=$(e2e_wait_window "^Quillory$")
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
left=$(find "$store" -type f | wc -l)
[ "$left" = 0 ] || { find "$store" >&2; echo "e2e: entries left" >&2; exit 1; }
echo "1 passed, 0 failed"
