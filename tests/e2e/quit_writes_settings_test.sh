#!/usr/bin/env bash
# Quitting through the menu command's shortcut, and ending the program by
# SIGTERM, also while a message box is open, write settings.dat in its
# nine-line form.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

expected='Language=english\r\nIsHTTPServer=1\r\nPathToHTTPD=/srv/www\r\nLastOpened=/tmp/a.html\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\r\nTidy=false\r\n\r\nextern=Firefox///%%1///firefox//////\r\n\r\n\r\n'

printf 'LANGUAGE=english\r\nIsHTTPServer=1.2\r\nPathToHTTPD=/srv/www\r\nLastOpened=/tmp/a.html\r\nextern=Firefox///%%1///firefox\r\nTidy=maybe\r\n' \
  >"$E2E_PROGRAM/settings.dat"
e2e_start
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
e2e_expect_file "$E2E_PROGRAM/settings.dat" "$expected"

rm "$E2E_PROGRAM/settings.dat"
e2e_start
kill -TERM "$E2E_PID"
e2e_wait_exit
defaults='Language=english\r\nIsHTTPServer=0\r\nPathToHTTPD=\r\nLastOpened=\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\\r\nTidy=false\r\n\r\n\r\n\r\n\r\n'
e2e_expect_file "$E2E_PROGRAM/settings.dat" "$defaults"

# The same while "File doesn't exist!" waits for an answer in its own event
# loop: the box and the main window both show, titled alike.
rm "$E2E_PROGRAM/settings.dat"
e2e_start "$E2E_ROOT/missing.html"
for _ in $(seq 1 100); do
  [ "$(xdotool search --onlyvisible --name '^Quillory$' | wc -l)" -ge 2 ] && break
  sleep 0.1
done
kill -TERM "$E2E_PID"
e2e_wait_exit 5
e2e_expect_file "$E2E_PROGRAM/settings.dat" "$defaults"
echo "1 passed, 0 failed"
