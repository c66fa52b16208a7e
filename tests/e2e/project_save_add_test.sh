#!/usr/bin/env bash
# The project window writes two open documents as a project, one CR LF
# between their paths; Add to project appends a third; the project then
# opens all three.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

for name in a.html b.css c.js; do printf 'x' >"$E2E_ROOT/$name"; done
printf '%s\r\n%s' "$E2E_ROOT/a.html" "$E2E_ROOT/b.css" >"$E2E_ROOT/work.qlp"
project=$E2E_ROOT/site.qlp

# The File menu's commands by their place, from its first entry.
file_command() {
  xdotool key --clearmodifiers alt+f
  sleep 0.3
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
}

e2e_start "$E2E_ROOT/work.qlp"
e2e_wait_named "^Quillory - b.css$" >/dev/null
file_command 8  # Save project as...
e2e_focus_named '^Save project as'
sleep 0.3
# Focus starts in the open documents' list; Space selects its current
# entry (a.html, then b.css) and the arrow button moves it across.
xdotool key --delay 50 space Tab space shift+Tab space Tab space Tab Tab Tab
xdotool type --delay 10 "$project"
sleep 0.3
xdotool key --delay 50 Tab Tab space
for _ in $(seq 1 50); do [ -s "$project" ] && break; sleep 0.1; done
xdotool windowfocus --sync "$E2E_WINDOW"
e2e_expect_file "$project" "$E2E_ROOT/a.html\r\n$E2E_ROOT/b.css"

# A second launch hands c.js over; Add to project appends it.
"$E2E_PROGRAM/quillory" "$E2E_ROOT/c.js"
e2e_wait_named "^Quillory - c.js$" >/dev/null
xdotool windowfocus --sync "$E2E_WINDOW"
file_command 9  # Add to project
e2e_expect_file "$project" \
  "$E2E_ROOT/a.html\r\n$E2E_ROOT/b.css\r\n$E2E_ROOT/c.js"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_start "$project"
e2e_wait_named "^Quillory - c.js$" >/dev/null
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
echo "1 passed, 0 failed"
