#!/usr/bin/env bash
# Another local user who plants a link under every name a preview page may
# take in the shared temporary folder cannot make a preview write through
# it: the page goes into a folder of the program's own, which nobody else
# can enter and which quitting removes.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
e2e_shows_pages
unset TEMP
# The links go to memory, which takes a million of them in seconds.
export TMPDIR
TMPDIR=$(mktemp -d /dev/shm/quillory-e2e-temp-XXXXXX)
trap 'rm -rf "$TMPDIR"; e2e_cleanup' EXIT
chmod 1777 "$TMPDIR"
mkdir -m 700 "$E2E_ROOT/secret"
victim=$E2E_ROOT/secret/victim.html
printf 'mine\n' >"$victim"
chmod 600 "$victim"
python3 -c 'import os, sys
for number in range(899999, 1899999):
  os.symlink(sys.argv[1], "%s/%X.html" % (sys.argv[2], number))' \
  "$victim" "$TMPDIR"

e2e_open_page '<html><style>body{background:#00ff00}\n'
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
xdotool key --clearmodifiers ctrl+End
xdotool type --delay 20 'body{background:#0000ff}</style>'
e2e_menu t Up Return
e2e_wait_colour $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) 0000FF

[ "$(cat "$victim")" = mine ] || { echo "e2e: the preview wrote through a link" >&2; exit 1; }
private=$(ls -d "$TMPDIR"/quillory-*)
[ "$(stat -c %a "$private")" = 700 ]
[ "$(stat -c %a "$private"/*.html)" = 600 ]
if setpriv --reuid=65534 --regid=65534 --clear-groups \
  ln -s "$victim" "$private/planted.html" 2>/dev/null; then
  echo "e2e: another user could plant a link in the private folder" >&2
  exit 1
fi

E2E_WINDOW=$(e2e_wait_named '^Quillory - page.html')
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
[ ! -e "$private" ]
echo "1 passed, 0 failed"
