#!/usr/bin/env bash
# Ctrl+N's template window makes an untitled document from the first
# template and one from each blank type, under its untitled caption; the
# saved ones hold exactly their template, what was typed, or nothing.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

# The first template by name, with its last line end and nothing else.
template=$(ls "$E2E_PROGRAM/templates" | LC_ALL=C sort | head -n 1)
case "$template" in *.php) ;; *)
  echo "e2e: expected a PHP template first, found $template" >&2
  exit 1
esac

new_document() {
  xdotool key --clearmodifiers ctrl+n
  e2e_focus_named '^New document$'
  sleep 0.3
  xdotool key --clearmodifiers "$@"
}

# Without a window manager, the main window takes the keys back only when
# given them, after each window that had them has gone.
created() {
  e2e_wait_named "^Quillory - $1$" >/dev/null
  xdotool windowfocus --sync "$E2E_WINDOW"
}

save_as() {
  xdotool key --clearmodifiers ctrl+s
  e2e_focus_named '^Save As$'
  sleep 0.3
  xdotool type --delay 10 "$1"
  xdotool key --clearmodifiers Return
  created "${1##*/}"
}

e2e_start
new_document Tab space Return  # the grid, its first template, create
created unknown.php
save_as "$E2E_ROOT/handler.php"

new_document Down Down Return  # "CSS File", create
created unknown.css
xdotool type --delay 20 'p {}'
save_as "$E2E_ROOT/style.css"

# The other blank types, each under its own untitled caption.
for choice in "Return:unknown.html" "Down Return:unknown.js" \
              "Down Down Down Return:unknown.php"; do
  new_document ${choice%%:*}
  created "${choice#*:}"
done
save_as "$E2E_ROOT/empty.php"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

head -c -2 "$E2E_PROGRAM/templates/$template" >"$E2E_ROOT/expected.php"
cmp "$E2E_ROOT/handler.php" "$E2E_ROOT/expected.php"
e2e_expect_file "$E2E_ROOT/style.css" 'p {}'
e2e_expect_file "$E2E_ROOT/empty.php" ''
echo "1 passed, 0 failed"
