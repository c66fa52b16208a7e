#!/usr/bin/env bash
# The window carries the program's icon. A second launch hands its file to
# the running instance and ends; after the instance was killed, two
# launches at once end as one instance.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

mkdir -p "$E2E_ROOT/other"
for name in a.html other/b.css c.js; do printf 'x' >"$E2E_ROOT/$name"; done

# Hands $1 (relative to the folder $2) over and expects its tab in the one
# window there is.
hand_over() {
  (cd "$2" && timeout 5 "$E2E_PROGRAM/quillory" "$1")
  e2e_wait_named "^Quillory - $(basename "$1")$" >/dev/null
  [ "$(xdotool search --onlyvisible --name '^Quillory' | wc -l)" = 1 ] || {
    echo "e2e: more than one window" >&2
    exit 1
  }
}

e2e_start "$E2E_ROOT/a.html"
[[ "$(xprop -id "$E2E_WINDOW" _NET_WM_ICON)" == *"Icon ("* ]] || {
  echo "e2e: the window has no icon" >&2
  exit 1
}
hand_over b.css "$E2E_ROOT/other"
kill -9 "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true

"$E2E_PROGRAM/quillory" "$E2E_ROOT/a.html" & first=$!
"$E2E_PROGRAM/quillory" "$E2E_ROOT/c.js" & second=$!
for _ in $(seq 1 50); do
  kill -0 $first 2>/dev/null && kill -0 $second 2>/dev/null || break
  sleep 0.1
done
E2E_PID=$first
kill -0 $first 2>/dev/null || E2E_PID=$second
kill -0 $E2E_PID 2>/dev/null && ! kill -0 $((first + second - E2E_PID)) 2>/dev/null || {
  echo "e2e: not exactly one instance after two launches at once" >&2
  exit 1
}
hand_over "$E2E_ROOT/other/b.css" /
echo "1 passed, 0 failed"
