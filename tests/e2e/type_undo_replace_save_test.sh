#!/usr/bin/env bash
# Typed text is undone and redone with the menu shortcuts, the replace
# panel replaces every occurrence ignoring case, and closing writes the
# result byte for byte: Escape keeps the document at the close question,
# whose default answer saves it.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

e2e_open_page '<p>a cat</p>\r\n'
# Three levels "a", "ab", "abc": two undos bring back "a", and redo brings
# back "ab". The caret stays where the typing left it, inside the tag.
xdotool type --delay 30 'abc'
xdotool key --clearmodifiers --delay 50 ctrl+z ctrl+z
xdotool key --clearmodifiers ctrl+y
xdotool type --delay 30 'cat'

xdotool key --clearmodifiers ctrl+h
find_window=$(e2e_wait_named "^Find and replace$")
xdotool windowfocus --sync "$find_window"
xdotool type --delay 30 'CAT'
xdotool key --clearmodifiers Tab
xdotool type --delay 30 'dog'
sleep 0.3
[ -n "${QUILLORY_SHOT_DIR:-}" ] && e2e_screenshot "$QUILLORY_SHOT_DIR/find.png"
# Text3, then find next, replace and replace all in the order they show.
xdotool key --clearmodifiers --delay 50 Tab Tab Tab space
sleep 0.3
xdotool key --clearmodifiers Escape

for answer in Escape Return; do
  xdotool windowfocus --sync "$E2E_WINDOW"
  xdotool key --clearmodifiers ctrl+w
  e2e_focus_named "^Quillory$"
  sleep 0.3
  [ -n "${QUILLORY_SHOT_DIR:-}" ] &&
    e2e_screenshot "$QUILLORY_SHOT_DIR/close-question.png"
  xdotool key --clearmodifiers "$answer"
  sleep 0.5
done
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_expect_file "$E2E_PAGE" 'ab<dogp>a dog</p>\r\n'
echo "1 passed, 0 failed"
