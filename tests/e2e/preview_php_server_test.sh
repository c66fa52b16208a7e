#!/usr/bin/env bash
# In the served mode with no server of the user's own, a saved PHP page
# under the served folder is previewed through PHP's built-in server,
# which runs the script; a script that never ends does not hold up the
# next preview; quitting ends that server.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
e2e_shows_pages
www=$E2E_ROOT/www/
mkdir -p "$www"
printf 'IsHTTPServer=-1\r\nPathToHTTPD=%s\r\nphp=php\r\n' "$www" \
  >"$E2E_PROGRAM/settings.dat"
# Only the script's output is magenta; its source is not. It hangs while
# the file "slow" is there.
printf '<?php if (file_exists(__DIR__ . "/slow")) sleep(60);
printf("<body style=\\"background:#%%s\\">", "ff"."00"."ff");\n' \
  >"$www/index.php"
touch "$www/slow"

e2e_start "$www/index.php"
e2e_wait_named '^Quillory - index.php$' >/dev/null
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
e2e_menu t Up Return
sleep 2
E2E_WINDOW=$(e2e_wait_named '^Quillory - index.php$')
e2e_menu t Up Return
rm "$www/slow"
e2e_menu t Up Return
for _ in $(seq 1 40); do
  sleep 0.25
  e2e_screenshot "$E2E_ROOT/shot.png"
  colour=$(e2e_pixel "$E2E_ROOT/shot.png" $((X + WIDTH / 2)) $((Y + HEIGHT / 2)))
  [ "$colour" = FF00FF ] && break
done
[ "$colour" = FF00FF ] || { echo "e2e: the script's output is not shown ($colour)" >&2; exit 1; }
pgrep -f -- "-t $www" >/dev/null

E2E_WINDOW=$(e2e_wait_named '^Quillory - index.php$')
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
! pgrep -f -- "-t $www" >/dev/null
