#!/usr/bin/env bash
# The live preview beside the source. Shown from a file: a page with
# unsaved changes keeps its relative style sheet, follows typing a moment
# after it pauses, and never takes the keys from the editor. Through PHP's
# built-in server (its folder typed without a trailing "/"), an unsaved PHP
# page runs, and the split is back after a restart; PHP's check reads the
# editor's text and names the document.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
e2e_shows_pages
shots=${QUILLORY_SHOT_DIR:-}

# Half the editor's place, right of the middle: the page's left margin and
# its middle.
live_points() {
  eval "$(e2e_window_geometry '^Quillory - ')"
  MARGIN_X=$((X + WIDTH / 2 + 12)) MIDDLE_X=$((X + WIDTH * 3 / 4))
  MIDDLE_Y=$((Y + HEIGHT / 2))
}

# The toolkit makes the window anew for the browser's first drawing; the
# keys must still reach the editor, so only its id is taken again.
window_again() {
  E2E_WINDOW=$(e2e_wait_named '^Quillory - ')
}

mkdir -p "$E2E_ROOT/site/css"
printf 'body { background: #00ff00; margin: 40px }\n' >"$E2E_ROOT/site/css/style.css"
printf '<html><head><link rel="stylesheet" href="css/style.css"></head>\n<body>\n' \
  >"$E2E_ROOT/site/page.html"
e2e_start "$E2E_ROOT/site/page.html"
e2e_wait_named '^Quillory - page.html$' >/dev/null
xdotool key --clearmodifiers F12
live_points
e2e_wait_colour "$MIDDLE_X" "$MIDDLE_Y" 00FF00
window_again
xdotool key --clearmodifiers ctrl+End
xdotool type --delay 30 '<div style="height:3000px;background:#0000ff"></div>'
e2e_wait_colour "$MIDDLE_X" "$MIDDLE_Y" 0000FF
e2e_wait_colour "$MARGIN_X" "$MIDDLE_Y" 00FF00
[ -n "$shots" ] && cp "$E2E_ROOT/shot.png" "$shots/live_preview_styled.png"
# Typed after the refresh, the keys still reach the editor.
xdotool type --delay 30 'x'
xdotool key --clearmodifiers ctrl+s
e2e_expect_file "$E2E_ROOT/site/page.html" \
  '<html><head><link rel="stylesheet" href="css/style.css"></head>\n<body>\n<div style="height:3000px;background:#0000ff"></div>x'
# A change made without typing (undo) is followed too.
xdotool key --clearmodifiers ctrl+a Delete
e2e_wait_colour "$MIDDLE_X" "$MIDDLE_Y" FFFFFF
xdotool key --clearmodifiers ctrl+z
e2e_wait_colour "$MIDDLE_X" "$MIDDLE_Y" 0000FF
xdotool key --clearmodifiers ctrl+s
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

www=$E2E_ROOT/www
mkdir -p "$www"
printf 'IsHTTPServer=-1\r\nPathToHTTPD=%s\r\nphp=php\r\n' "$www" \
  >"$E2E_PROGRAM/settings.dat"
printf '<?php echo "<body style=\\"margin:40px;background:#" . "ff00ff" . "\\">";\n' \
  >"$www/index.php"
e2e_start "$www/index.php"
e2e_wait_named '^Quillory - index.php$' >/dev/null
live_points
e2e_wait_colour "$MIDDLE_X" "$MIDDLE_Y" FF00FF
window_again
xdotool key --clearmodifiers ctrl+End
xdotool type --delay 30 'echo "<div style=\"height:3000px;background:#" . "00" . "ffff\"></div>";'
e2e_wait_colour "$MIDDLE_X" "$MIDDLE_Y" 00FFFF
e2e_wait_colour "$MARGIN_X" "$MIDDLE_Y" FF00FF
[ -n "$shots" ] && cp "$E2E_ROOT/shot.png" "$shots/live_preview_php.png"

# PHP > Check syntax on the unsaved text with an error on line 3.
xdotool key --clearmodifiers Return
xdotool type --delay 30 'echo 1 +;'
e2e_menu t p Return
e2e_wait_named '^Tool output$' >/dev/null
for _ in $(seq 1 40); do
  grep -qs 'on line 3' "$TMPDIR"/quillory-*/*.tmp && break
  sleep 0.25
done
grep -s "in $www/index.php on line 3" "$TMPDIR"/quillory-*/*.tmp >/dev/null ||
  { echo "e2e: the check did not name the document's line 3" >&2; exit 1; }
! ls -A "$www" | grep -q '^\.' || { echo "e2e: a copy was left in $www" >&2; exit 1; }
xdotool windowfocus --sync "$(e2e_wait_named '^Tool output$')" key Escape
E2E_WINDOW=$(e2e_wait_named '^Quillory - index.php')
xdotool windowfocus --sync "$E2E_WINDOW"

# A script that prints 200 MB: the page is given up on, and the editor
# still takes keys meanwhile and after.
xdotool key --clearmodifiers --repeat 9 BackSpace
xdotool type --delay 30 'echo str_repeat("<p>big</p>", 20000000);'
sleep 2
xdotool type --delay 30 '//typed'
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 1 40); do
  grep -qs '20000000);//typed$' "$www/index.php" && break
  sleep 0.25
done
grep -qs '20000000);//typed$' "$www/index.php" ||
  { echo "e2e: the keys typed after the big page were lost" >&2; exit 1; }
sleep 6
e2e_screenshot "$E2E_ROOT/shot.png"
[ -n "$shots" ] && cp "$E2E_ROOT/shot.png" "$shots/live_preview_big.png"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
[ "$(ls -A "$www")" = index.php ] || { echo "e2e: preview pages were left in $www" >&2; exit 1; }
echo "1 passed, 0 failed"
