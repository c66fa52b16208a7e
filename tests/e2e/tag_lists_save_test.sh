#!/usr/bin/env bash
# Edit > Insert tag opens the tag lists with no category chosen; a click
# on HTML lists its entries, a double click on "<a>" wraps the selection
# in the pair and closes the lists; Save writes the result byte for byte.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

e2e_open_page 'hello\r\n'
xdotool key --clearmodifiers shift+End
e2e_menu e i                 # "Insert tag..."
lists=$(e2e_wait_named "^Add Tag$")
# HTML is the first category; the entries fill the lower three quarters
# and "<a>" is their second row.
xdotool mousemove --window "$lists" --sync 30 18 click 1
sleep 0.3
xdotool mousemove --window "$lists" --sync 30 136 click --repeat 2 1
sleep 0.5
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/tag_lists_e2e.png"
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+s
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_expect_file "$E2E_PAGE" '<a>hello</a>\r\n'
echo "1 passed, 0 failed"
