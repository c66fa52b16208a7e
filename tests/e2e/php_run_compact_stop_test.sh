#!/usr/bin/env bash
# PHP from the menus with the installed php: a script's page shows in the
# output window's browser; compaction puts php's stripped text in place of
# the document, which undo brings back; a script that loops is stopped
# from the busy window, and the window answers while it runs.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
e2e_shows_pages
e2e_use_tools

script='<?php\r\n// A green page.\r\necho "<body style=\\"background:#00c000\\">";\r\necho "<h1>Hello</h1></body></html>";\r\n'
printf "$script" >"$E2E_ROOT/page.php"
e2e_start "$E2E_ROOT/page.php"

# PHP > Run. The browser draws a moment after the page has loaded; its
# window is made anew for the browser's drawing meanwhile.
e2e_menu t p Down Return
geometry=$(e2e_window_geometry '^Tool output$')
eval "$geometry"
e2e_wait_colour $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) 00C000
[ -n "${QUILLORY_SHOT_DIR:-}" ] && cp "$E2E_ROOT/shot.png" "$QUILLORY_SHOT_DIR/php_run.png"
output=$(e2e_wait_named '^Tool output$')
xdotool windowfocus --sync "$output"
xdotool key --clearmodifiers Escape

# PHP > Compact, save; undo, save.
php -q -w "$E2E_ROOT/page.php" | perl -0pe 's/(?<!\r)\n/\r\n/g' >"$E2E_ROOT/compact.php"
printf "$script" >"$E2E_ROOT/original.php"
e2e_menu t p Up Return
e2e_save_until_same "$E2E_ROOT/page.php" "$E2E_ROOT/compact.php"
xdotool key --clearmodifiers ctrl+z
e2e_save_until_same "$E2E_ROOT/page.php" "$E2E_ROOT/original.php"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

# A script that never ends: the busy window comes, a menu still opens, and
# Stop ends php.
printf '<?php\r\nwhile (true) { usleep(10000); }\r\n' >"$E2E_ROOT/loop.php"
e2e_start "$E2E_ROOT/loop.php"
e2e_menu t p Down Return
busy=$(e2e_wait_named '^Quillory$')
pgrep -f "^php -q $E2E_ROOT/loop.php" >/dev/null
e2e_screenshot "$E2E_ROOT/before_menu.png"
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers alt+f
sleep 0.5
e2e_screenshot "$E2E_ROOT/menu.png"
changed=$(compare -metric AE -extract 240x340+10+20 "$E2E_ROOT/before_menu.png" \
  "$E2E_ROOT/menu.png" null: 2>&1 || true)
if [ "${changed%% *}" -lt 2000 ]; then
  echo "e2e: the File menu did not open while php ran ($changed)" >&2
  exit 1
fi
xdotool key --clearmodifiers Escape
xdotool windowfocus --sync "$busy"
xdotool key --clearmodifiers Return
for _ in $(seq 1 30); do
  pgrep -f "^php -q $E2E_ROOT/loop.php" >/dev/null || break
  sleep 0.1
done
if pgrep -f "^php -q $E2E_ROOT/loop.php" >/dev/null; then
  echo "e2e: php still runs after Stop" >&2
  exit 1
fi
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
echo "1 passed, 0 failed"
