#!/usr/bin/env bash
# The preview shows the editor's unsaved text from a temporary page, which
# the switch back removes; an external browser found on PATH is started
# with the saved file's path as its one argument. The toolbar goes to an
# address typed in Nav, back, forward, and reloads a page changed on disk.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
e2e_shows_pages
export TEMP=$E2E_ROOT/temp
mkdir -p "$TEMP" "$E2E_ROOT/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s"\n' "$E2E_ROOT/firefox.args" \
  >"$E2E_ROOT/bin/firefox"
chmod +x "$E2E_ROOT/bin/firefox"
export PATH=$E2E_ROOT/bin:$PATH
# The engine lists its pages, with the titles their documents hold, on a
# local port.
devtools=$(python3 -c 'import socket; s = socket.socket()
s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export QTWEBENGINE_REMOTE_DEBUGGING=127.0.0.1:$devtools
page_titles() {
  python3 -c 'import json, sys, urllib.request
for page in json.load(urllib.request.urlopen(sys.argv[1])): print(page["title"])' \
    "http://127.0.0.1:$devtools/json"
}

# An open style element: a rule typed at the end wins over the saved one.
e2e_open_page '<html><style>body{background:#00ff00}\n'
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
middle_x=$((X + WIDTH / 2)) middle_y=$((Y + HEIGHT / 2))
xdotool key --clearmodifiers ctrl+End
xdotool type --delay 20 'body{background:#0000ff}</style><title>typed here'

e2e_menu t Up Return
e2e_wait_colour "$middle_x" "$middle_y" 0000FF
page_titles | grep -qx 'typed here'
# The web engine's surface makes the toolkit create the window anew.
E2E_WINDOW=$(e2e_wait_named '^Quillory - page.html')
[ -n "${QUILLORY_SHOT_DIR:-}" ] && cp "$E2E_ROOT/shot.png" "$QUILLORY_SHOT_DIR/preview.png"
[ "$(ls "$TEMP"/quillory-*/*.html | wc -l)" -eq 1 ]
e2e_menu t Up Return
sleep 0.5
[ -z "$(ls "$TEMP"/quillory-*/*.html 2>/dev/null)" ]

# Saved, the file itself is previewed and opened in the browser.
xdotool key --clearmodifiers ctrl+s
sleep 0.5
e2e_menu t Up Return
e2e_wait_colour "$middle_x" "$middle_y" 0000FF
[ -z "$(ls "$TEMP"/quillory-*/*.html 2>/dev/null)" ]

# Nav sits in the toolbar just above the page, across the middle.
top=$(convert "$E2E_ROOT/shot.png" -crop "1x$HEIGHT+$middle_x+$Y" -depth 8 txt:- |
  awk -F '[,:]' '/#0000FF/ && !top { top = $2 } END { print top }')
printf '<body style="background:#ff0000">' >"$E2E_ROOT/other.html"
xdotool mousemove "$middle_x" $((Y + top - 14)) click 1
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "file://$E2E_ROOT/other.html"
xdotool key --clearmodifiers Return
e2e_wait_colour "$middle_x" "$middle_y" FF0000
# From Nav, Tab reaches Back, then Forward, then Refresh.
xdotool key --clearmodifiers Tab space
e2e_wait_colour "$middle_x" "$middle_y" 0000FF
xdotool key --clearmodifiers Tab space
e2e_wait_colour "$middle_x" "$middle_y" FF0000
printf '<body style="background:#00ff00">' >"$E2E_ROOT/other.html"
xdotool key --clearmodifiers Tab space
e2e_wait_colour "$middle_x" "$middle_y" 00FF00

e2e_menu t e Return
for _ in $(seq 1 40); do [ -s "$E2E_ROOT/firefox.args" ] && break; sleep 0.25; done
e2e_expect_file "$E2E_ROOT/firefox.args" "$E2E_PAGE\n"
