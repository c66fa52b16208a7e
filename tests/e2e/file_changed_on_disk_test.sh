#!/usr/bin/env bash
# A file replaced by another program while it is open (as a checkout
# replaces it) is told in a question; Yes reloads it, and what is typed
# next is saved over the new text, without a second question.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

# Fails when a box titled with the program's name alone stays open.
e2e_no_question() {
  for _ in $(seq 1 20); do
    xdotool search --onlyvisible --name '^Quillory$' >/dev/null 2>&1 ||
      return 0
    sleep 0.1
  done
  echo "e2e: a question is still open" >&2
  return 1
}

e2e_open_page '<p>ours</p>\n'
printf '<p>theirs</p>\n' >"$E2E_ROOT/page.html.new"
mv "$E2E_ROOT/page.html.new" "$E2E_PAGE"

# The question's box is titled with the program's name alone.
question=$(e2e_wait_named '^Quillory$')
sleep 0.5
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/file-changed-question.png"
xdotool windowfocus --sync "$question"
xdotool key --clearmodifiers Return  # Yes
e2e_no_question
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool type --delay 20 'X'
xdotool key --clearmodifiers ctrl+s
e2e_expect_file "$E2E_PAGE" 'X<p>theirs</p>\n'
sleep 1
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/file-changed-saved.png"
e2e_no_question
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
echo "1 passed, 0 failed"
