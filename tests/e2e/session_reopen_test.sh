#!/usr/bin/env bash
# The documents open at exit are written as the last session and, with
# reopening on, come back at the next start without a file named.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

printf 'open_last_session=1\r\n' >"$E2E_PROGRAM/settings.dat"
printf 'A' >"$E2E_ROOT/a.html"
printf 'B' >"$E2E_ROOT/b b.css"
printf '%s\r\n%s' "$E2E_ROOT/a.html" "$E2E_ROOT/b b.css" >"$E2E_ROOT/work.qlp"
session=$XDG_CONFIG_HOME/quillory/last_session.qlp

for run in first second; do
  if [ $run = first ]; then e2e_start "$E2E_ROOT/work.qlp"; else e2e_start; fi
  e2e_wait_named "^Quillory - b b.css$" >/dev/null
  xdotool key --clearmodifiers ctrl+q
  e2e_wait_exit
  e2e_expect_file "$session" "$E2E_ROOT/a.html\r\n$E2E_ROOT/b b.css"
done
echo "1 passed, 0 failed"
