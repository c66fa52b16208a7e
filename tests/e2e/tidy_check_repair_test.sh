#!/usr/bin/env bash
# HTML Tidy from the menus with the installed tidy: the check's messages
# show in the output window, and repair makes the document exactly what
# tidy itself writes for it, in CR LF lines, cut after "</html>" and
# without tidy's generator element. Undo brings the page back.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
e2e_use_tools

page='<html><head><title>t</title></head>\r\n<body><p>one<p>two <b>bold\r\n<ul><li>a<li>b</ul></body></html>\r\n'
e2e_open_page "$page"
# Tidy wraps its generator element after "content=", and says with its exit
# status that it found something to repair.
{ tidy -utf8 -q -c "$E2E_PAGE" 2>/dev/null || true; } |
  perl -0pe 's/<meta name="generator" content=\s*"HTML Tidy[^"]*">\n//;
             s/\n/\r\n/g; s/\r\n\z//' >"$E2E_ROOT/expected.html"
grep -q '<p>two <b>bold</b></p>' "$E2E_ROOT/expected.html"

# Check with HTML-Tidy, from the Tools menu.
e2e_menu t c
e2e_wait_named '^Tool output$' >/dev/null
sleep 0.5
e2e_screenshot "$E2E_ROOT/check.png"
[ -n "${QUILLORY_SHOT_DIR:-}" ] && cp "$E2E_ROOT/check.png" "$QUILLORY_SHOT_DIR/tidy_check.png"
# The messages are dark text in the message box's first lines.
geometry=$(e2e_window_geometry '^Tool output$')
eval "$geometry"
ink=$(convert "$E2E_ROOT/check.png" -crop "400x60+$((X + 15))+$((Y + 8))" \
  -colorspace Gray -threshold 50% -format '%[fx:int(w*h*(1-mean))]' info:)
if [ "$ink" -lt 200 ]; then
  echo "e2e: no messages in the output window ($ink dark pixels)" >&2
  exit 1
fi
xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers Escape

# HTML Tidy > Repair, then save; undo and save again.
e2e_menu t Right Return
e2e_save_until_same "$E2E_PAGE" "$E2E_ROOT/expected.html"
xdotool key --clearmodifiers ctrl+z ctrl+s
e2e_expect_file "$E2E_PAGE" "$page"

xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
echo "1 passed, 0 failed"
