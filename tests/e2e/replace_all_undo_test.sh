#!/usr/bin/env bash
# Replace all of every occurrence is one change: one Ctrl+Z gives back the
# bytes and the colours of before it, on the screen and on disk.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

page=''
for _ in $(seq 1 300); do page+='<p class="x">a cat</p>\r\n'; done
e2e_open_page "$page"
cp "$E2E_PAGE" "$E2E_ROOT/before.html"
sleep 0.5
eval "$(e2e_window_geometry '^Quillory - page.html$')"
# Lines two to six of the editor: no caret blinks there.
text_area="240x75+$((X + 60))+$((Y + 170))"
e2e_screenshot "$E2E_ROOT/before.png"

xdotool key --clearmodifiers ctrl+h
e2e_focus_named '^Find and replace$'
xdotool type --delay 30 'CLASS'
xdotool key --clearmodifiers Tab
xdotool type --delay 30 'id'
# Text3, then find next, replace and replace all in the order they show.
xdotool key --clearmodifiers --delay 50 Tab Tab Tab space
sleep 0.5
xdotool key --clearmodifiers Escape
xdotool windowfocus --sync "$E2E_WINDOW"
sleep 0.5
e2e_screenshot "$E2E_ROOT/replaced.png"

xdotool key --clearmodifiers ctrl+z
sleep 0.5
xdotool mousemove 0 0
e2e_screenshot "$E2E_ROOT/undone.png"
[ -n "${QUILLORY_SHOT_DIR:-}" ] && cp "$E2E_ROOT"/*.png "$QUILLORY_SHOT_DIR/"

differing() {
  convert "$1" -crop "$text_area" "$E2E_ROOT/a.png"
  convert "$2" -crop "$text_area" "$E2E_ROOT/b.png"
  compare -metric AE "$E2E_ROOT/a.png" "$E2E_ROOT/b.png" null: 2>&1 || true
}
[ "$(differing "$E2E_ROOT/before.png" "$E2E_ROOT/replaced.png")" != 0 ] ||
  { echo "e2e: replace all changed nothing on screen" >&2; exit 1; }
undone=$(differing "$E2E_ROOT/before.png" "$E2E_ROOT/undone.png")
[ "$undone" = 0 ] ||
  { echo "e2e: $undone pixels differ from before replace all" >&2; exit 1; }

xdotool key --clearmodifiers ctrl+s
e2e_wait_same "$E2E_PAGE" "$E2E_ROOT/before.html"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
echo "1 passed, 0 failed"
