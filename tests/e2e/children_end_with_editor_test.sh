#!/usr/bin/env bash
# PHP's built-in server answers only the editor's own browser, which holds
# the key of this run; and every program the editor started, a looping
# script and that server alike, ends when the editor is killed.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
e2e_shows_pages
unset TEMP
export TMPDIR=$E2E_ROOT/temp
www=$E2E_ROOT/www
mkdir -p "$TMPDIR" "$www"
printf 'IsHTTPServer=-1\r\nPathToHTTPD=%s/\r\nphp=php\r\n' "$www" \
  >"$E2E_PROGRAM/settings.dat"
printf '<?php if (file_exists(__DIR__ . "/loop")) for (;;);
echo "<body style=\\"background:#ff00ff\\">served";\n' >"$www/index.php"
printf 'secret\n' >"$www/data.txt"

e2e_start "$www/index.php"
e2e_wait_named '^Quillory - index.php$' >/dev/null
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
e2e_menu t Up Return
e2e_wait_colour $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) FF00FF

port=$(pgrep -af -- "-t $www" | grep -o '127\.0\.0\.1:[0-9]*' | head -n 1)
key=$(grep -ho "[0-9a-f]\{64\}" "$TMPDIR"/quillory-*/*.php | head -n 1)
status() { curl -s -o /dev/null -w '%{http_code}' "$@"; }
for path in index.php data.txt "index.php?key=wrong"; do
  [ "$(status "http://$port/$path")" = 403 ] ||
    { echo "e2e: $path was served without the key" >&2; exit 1; }
done
curl -s "http://$port/index.php?quillory_key=$key" -c "$E2E_ROOT/jar" -L |
  grep -q served
[ "$(curl -s -b "$E2E_ROOT/jar" "http://$port/data.txt")" = secret ]

touch "$www/loop"
E2E_WINDOW=$(e2e_wait_named '^Quillory - index.php$')
e2e_menu t p Down Return
for _ in $(seq 1 50); do
  pgrep -f "^php -q $www/index.php" >/dev/null && break
  sleep 0.1
done
pgrep -f "^php -q $www/index.php" >/dev/null
kill -KILL "$E2E_PID"
for _ in $(seq 1 50); do
  pgrep -f -- "$www" >/dev/null || break
  sleep 0.1
done
left=$(pgrep -f -- "$www" || true)
echo "processes left after the editor was killed: $(echo -n "$left" | grep -c .)"
[ -z "$left" ] || { kill -KILL $left; exit 1; }
echo "1 passed, 0 failed"
