#!/usr/bin/env bash
# The form designer: a button and a text field dragged from the toolbox onto
# the canvas, placed and given a value in the property panel, written into
# the page at the caret by "Insert To Code" and saved byte for byte.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

e2e_open_page 'hello\r\n'
xdotool mousemove --window "$E2E_WINDOW" --sync 97 8 click 1   # Tools
sleep 0.3
xdotool mousemove --window "$E2E_WINDOW" --sync 168 95 click 1 # designer
DESIGNER=$(e2e_wait_named "^Visual Editor$")
sleep 0.5

at() { xdotool mousemove --window "$DESIGNER" --sync "$1" "$2"; }
# A press held briefly: a click at xdotool's own speed is missed by the
# designer under Xvfb.
press_at() {
  at "$1" "$2"; sleep 0.3
  xdotool mousedown 1; sleep 0.2; xdotool mouseup 1; sleep 0.4
}
# Drags from a toolbox item to a canvas point in small steps, then selects
# the dropped element.
drag() {
  at "$1" "$2"; sleep 0.2
  xdotool mousedown 1; sleep 0.3
  at $(( $1 + 20 )) $(( $2 + 5 )); sleep 0.2
  at $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); sleep 0.2
  at "$3" "$4"; sleep 0.3
  xdotool mouseup 1; sleep 0.3
  press_at "$3" "$4"
}
# Replaces a panel field's text; Enter applies a metric.
fill() {
  press_at "$1" "$2"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$3"
  [ -z "${4:-}" ] || xdotool key Return
  sleep 0.2
}
LEFT="790 188" TOP="790 160" VALUE="790 242"

drag 60 105 300 150     # Cmd onto the canvas, Button0 selected
fill $LEFT 600 enter
fill $TOP 300 enter
fill $VALUE OK
drag 60 75 300 250      # Txt onto the canvas, Text0 selected
fill $LEFT 600 enter
fill $TOP 600 enter
press_at 770 533        # Insert To Code
sleep 0.5
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+s
sleep 0.3
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_expect_file "$E2E_PAGE" "<body bgcolor=#FFFFFF>\r\n\
<input type=text name=Text0 style='position:absolute;top:40;left:40;\
height:24;width:113' value=Text>\r\n\
<input type=button name=Button0 style='position:absolute;top:20;left:40;\
height:25;width:65' value=OK>\r\nhello\r\n"
echo "1 passed, 0 failed"
