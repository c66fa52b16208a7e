#!/usr/bin/env bash
# A plug-in that brings the program down as it loads: the first start dies,
# the second skips it with a message, keeps its mark and runs with the
# other plug-ins.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
cp "$E2E_BUILD/tests/plug-ins/crashing_plugin.so" "$E2E_PROGRAM/plug-ins/"
printf 'plugin=Crasher\\\\\\crashing_plugin.so\r\nplugin=SortLines\\\\\\sort_lines.so\r\n' \
  >"$E2E_PROGRAM/settings.dat"

E2E_PAGE="$E2E_ROOT/page.html"
printf 'b\r\na\r\n' >"$E2E_PAGE"
(cd "$E2E_ROOT/home" && exec "$E2E_PROGRAM/quillory" "$E2E_PAGE") \
  >"$E2E_ROOT/first.log" 2>&1 &
E2E_PID=$!
e2e_wait_exit

e2e_start "$E2E_PAGE"
# The box and the main window both show, titled alike; the box is newer.
for _ in $(seq 1 100); do
  [ "$(xdotool search --onlyvisible --name '^Quillory$' | wc -l)" -ge 2 ] && break
  sleep 0.1
done
xdotool windowfocus --sync "$(e2e_wait_named '^Quillory$')"
xdotool key --clearmodifiers Return
E2E_WINDOW=$(e2e_wait_named '^Quillory - page.html$')
e2e_menu p s                 # "Sort lines, drop repeats"
xdotool key --clearmodifiers ctrl+s ctrl+q
e2e_wait_exit
e2e_expect_file "$E2E_PAGE" 'a\r\nb\r\n'
grep -a -q 'Crasher' "$XDG_STATE_HOME/quillory/plugin-marks"
echo "1 passed, 0 failed"
