#!/usr/bin/env bash
# Start-up shows the splash fading in while the main window waits; then text
# typed and made bold in the rich-text editor goes into the page as HTML at
# the caret and is saved byte for byte.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

E2E_PAGE=$E2E_ROOT/page.html
printf 'hello\r\n' >"$E2E_PAGE"
(cd "$E2E_ROOT/home" && exec "$E2E_PROGRAM/quillory" "$E2E_PAGE") \
  >"$E2E_ROOT/quillory.log" 2>&1 &
E2E_PID=$!
splash=$(e2e_wait_named "^Loading Quillory$")
opacity() {
  xprop -id "$splash" _NET_WM_WINDOW_OPACITY |
    awk '{ print int($3 * 255 / 4294967295) }'
}
first=$(opacity)
sleep 0.2
second=$(opacity)
if ! [ "$first" -lt "$second" ] || ! [ "$second" -lt 255 ] ||
   xdotool search --onlyvisible --name "^Quillory" >/dev/null; then
  echo "e2e: no fade before the main window ($first, $second)" >&2
  exit 1
fi
E2E_WINDOW=$(e2e_wait_named "^Quillory - page.html$")
if xdotool search --onlyvisible --name "^Loading Quillory$" >/dev/null; then
  echo "e2e: the splash stayed" >&2
  exit 1
fi

e2e_menu e Up Return  # the edit menu's last command, the rich-text editor
rich=$(e2e_wait_named "^Text Editor$")
xdotool windowfocus --sync "$rich"
xdotool type --delay 50 "ab cd"
xdotool key --clearmodifiers --delay 100 shift+Left shift+Left ctrl+b
xdotool mousemove --window "$rich" --sync 508 22 click 1  # Insert
sleep 0.5
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+s
sleep 0.3
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_expect_file "$E2E_PAGE" "ab <b>cd</b>hello\r\n"
echo "1 passed, 0 failed"
