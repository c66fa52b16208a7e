#!/usr/bin/env bash
# Text typed before the program is killed comes back at the next start,
# byte for byte and, when typing never paused, all but at most its last
# five seconds; text left at Quit is offered too, and refusing it leaves
# nothing behind.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
store=$XDG_STATE_HOME/quillory/recovery

# The question comes over the main window, which has the same title until
# a document opens; a key sent before it has the keyboard would go to the
# window.
wait_question() {
  for _ in $(seq 1 300); do
    [ "$(xdotool search --onlyvisible --name '^Quillory$' | wc -l)" -ge 2 ] &&
      { e2e_focus_named '^Quillory$'; return; }
    sleep 0.1
  done
  echo "e2e: no question at the start" >&2
  return 1
}

original='a\000b\r\n\377\n'
e2e_open_page "$original"
# Six seconds and more of typing without a pause, killed at once.
typed=$(printf 'abcdefghijklmnopqrstuvwxyz%.0s' 1 2 3 4 5)
started=$(date +%s%N)
xdotool type --delay 100 "$typed"
kill -9 "$E2E_PID"
typing_ms=$((($(date +%s%N) - started) / 1000000))
[ "$typing_ms" -gt 5500 ] || { echo "e2e: typed for $typing_ms ms" >&2; exit 1; }
wait "$E2E_PID" 2>/dev/null || true

e2e_start
wait_question
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/question.png"
xdotool key --clearmodifiers Return
# The window found at the start was the question.
E2E_WINDOW=$(e2e_wait_named "^Quillory - page.html$")
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/restored.png"
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+s
# The keys of the last five seconds at most are missing from the front;
# a half second more for the start of typing.
least=$((${#typed} * (typing_ms - 5500) / typing_ms))
for _ in $(seq 1 100); do
  kept=$(head -c -7 "$E2E_PAGE")
  [ "${#kept}" -ge "$least" ] && break
  sleep 0.1
done
[ "${#kept}" -ge "$least" ] && [ "${typed#"$kept"}" != "$typed" ] || {
  echo "e2e: kept '$kept' of '$typed'" >&2
  exit 1
}
cmp <(tail -c 7 "$E2E_PAGE") <(printf "$original")

xdotool type --delay 30 'q'
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
e2e_start
wait_question
xdotool key --clearmodifiers n
sleep 0.5
E2E_WINDOW=$(e2e_wait_named "^Quillory$")
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
left=$(find "$store" -type f | wc -l)
[ "$left" = 0 ] || { find "$store" >&2; echo "e2e: entries left" >&2; exit 1; }
echo "1 passed, 0 failed"
