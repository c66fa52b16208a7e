#!/usr/bin/env bash
# A device or a FIFO named on the command line is refused as a missing
# file before anything is read: the message is answered, the window goes
# on answering, and SIGTERM ends the program.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

# The number of shown windows titled "Quillory": the main window without a
# document, and the message box while it waits.
titled_quillory() {
  xdotool search --onlyvisible --name '^Quillory$' 2>/dev/null | wc -l
}

wait_for_titled() {
  for _ in $(seq 1 100); do
    [ "$(titled_quillory)" -eq "$1" ] && return 0
    sleep 0.1
  done
  echo "e2e: not $1 windows titled Quillory" >&2
  return 1
}

mkfifo "$E2E_ROOT/fifo.html"
for target in /dev/zero "$E2E_ROOT/fifo.html"; do
  e2e_start "$target"
  wait_for_titled 2
  # Return answers the box; the main window, empty, ignores it.
  for window in $(xdotool search --onlyvisible --name '^Quillory$'); do
    xdotool windowfocus --sync "$window" 2>/dev/null || continue
    xdotool key --clearmodifiers Return
  done
  wait_for_titled 1
  kill -TERM "$E2E_PID"
  e2e_wait_exit 5
done
echo "1 passed, 0 failed"
