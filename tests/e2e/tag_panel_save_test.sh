#!/usr/bin/env bash
# A click on the tag panel's "Common" page and its "Break" button puts a
# break at the caret; a click on the bold button wraps the selection; the
# toolbar's Save icon writes the result byte for byte.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

e2e_open_page 'hello\r\n'

# Positions inside the window: the toolbar row sits under the menu bar,
# the panel's page tabs under it and the page's buttons under those.
click_at() {
  xdotool mousemove --window "$E2E_WINDOW" --sync "$1" "$2" click 1
  sleep 0.3
}
click_at 344 64   # the "Common" page
click_at 22 97    # LImg 18, "Break"
xdotool key --clearmodifiers shift+End
click_at 312 97   # Label2 7, "B"
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/tag_panel_e2e.png"
click_at 137 35   # TImg 16, Save
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_expect_file "$E2E_PAGE" '<br><B>hello</B>\r\n'
echo "1 passed, 0 failed"
