#!/usr/bin/env bash
# The settings window, driven by keys, switches the interface to Russian
# and the preview to a local HTTP server on OK; settings.dat written at
# exit carries both and keeps every other field.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
fixtures=$(cd "$(dirname "$0")/../fixtures/app/settings-russian-server" && pwd)

cp "$fixtures/input" "$E2E_PROGRAM/settings.dat"
e2e_start
e2e_menu s Return
e2e_focus_named '^Settings$'
# The window opens in the language list, just after the page tabs.
xdotool key --clearmodifiers --delay 150 r shift+Tab Right Tab Down Tab
xdotool type --delay 50 '/srv/www/'
xdotool key --clearmodifiers Return
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name '^Settings$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
if ! cmp "$E2E_PROGRAM/settings.dat" "$fixtures/expected"; then
  od -c "$E2E_PROGRAM/settings.dat" >&2
  exit 1
fi
echo "1 passed, 0 failed"
