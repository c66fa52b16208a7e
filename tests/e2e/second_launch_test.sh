#!/usr/bin/env bash
# A second launch hands its file to the running instance and ends; after
# the instance was killed, the next one takes its place.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

mkdir -p "$E2E_ROOT/other"
for name in a.html other/b.css c.js; do printf 'x' >"$E2E_ROOT/$name"; done

# Hands $1 (relative to the folder $2) over and expects its tab in the one
# window there is.
hand_over() {
  (cd "$2" && timeout 5 "$E2E_PROGRAM/quillory" "$1")
  xdotool search --sync --onlyvisible --name "^Quillory - $(basename "$1")$" \
    >/dev/null
  [ "$(xdotool search --onlyvisible --name '^Quillory' | wc -l)" = 1 ] || {
    echo "e2e: more than one window" >&2
    exit 1
  }
}

e2e_start "$E2E_ROOT/a.html"
hand_over b.css "$E2E_ROOT/other"
kill -9 "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true
e2e_start "$E2E_ROOT/a.html"
hand_over "$E2E_ROOT/c.js" /
echo "1 passed, 0 failed"
