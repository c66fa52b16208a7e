#!/usr/bin/env bash
# A list file named on the command line opens its files; text typed into
# the active one is saved with Ctrl+S, line ends as they were, and the
# other file is left alone.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

site="$E2E_ROOT/my site"
mkdir -p "$site"
printf '<p>first</p>\r\n' >"$site/a.html"
printf '<?php\necho 1;\n' >"$site/b.php"
printf '%s\r\n%s' "$site/a.html" "$site/b.php" >"$site/work.qlp"

e2e_start "$site/work.qlp"
e2e_wait_named "^Quillory - b.php$" >/dev/null
xdotool type --delay 20 'hi '
xdotool key --clearmodifiers Return
xdotool key --clearmodifiers ctrl+s
sleep 0.5
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/open-list-typed.png"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_expect_file "$site/b.php" 'hi \n<?php\necho 1;\n'
e2e_expect_file "$site/a.html" '<p>first</p>\r\n'
grep -q "^LastOpened=$site/work.qlp" "$E2E_PROGRAM/settings.dat" || {
  echo "e2e: the list file is not in the recent list" >&2
  cat "$E2E_PROGRAM/settings.dat" >&2
  exit 1
}
echo "1 passed, 0 failed"
