#!/usr/bin/env bash
# The program installed under a prefix: its desktop entry and metainfo pass
# their validators, --help and --version answer without a display, and
# started by the desktop entry's command it takes its data from
# share/quillory (the shipped settings turn Tidy on), saves a file, keeps
# settings.dat in the per-user folder and writes no desktop entry of its
# own over the installed one.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
prefix=$E2E_ROOT/prefix
share=$prefix/share
cmake --install "$2" --prefix "$prefix" >/dev/null
desktop-file-validate "$share/applications/quillory.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >/dev/null
for size in 16 32 48 64 128 256; do
  test -s "$share/icons/hicolor/${size}x${size}/apps/quillory.png"
done
test -s "$share/mime/packages/quillory.xml"
test -s "$share/man/man1/quillory.1.gz"
test -s "$prefix/lib/quillory/plug-ins/html_entities.so"
env -u DISPLAY "$prefix/bin/quillory" --help | grep -q '^Usage: quillory'
env -u DISPLAY "$prefix/bin/quillory" --version | grep -qx 'Quillory [0-9.]*'

command=$(sed -n 's/^Exec=//p' "$share/applications/quillory.desktop")
printf '<p>x</p>\r\n' >"$E2E_ROOT/page.html"
(cd "$HOME" && PATH=$prefix/bin:$PATH exec ${command/\%f/$E2E_ROOT/page.html}) \
  >"$E2E_ROOT/quillory.log" 2>&1 &
E2E_PID=$!
E2E_WINDOW=$(e2e_wait_named "^Quillory - page.html$")
xdotool windowfocus --sync "$E2E_WINDOW"
xdotool type --delay 20 'hi '
xdotool key --clearmodifiers ctrl+s
sleep 0.5
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
e2e_expect_file "$E2E_ROOT/page.html" 'hi <p>x</p>\r\n'
grep -q '^Tidy=true' "$XDG_CONFIG_HOME/quillory/settings.dat"
[ ! -e "$HOME/.local/share/applications/quillory.desktop" ]
echo "1 passed, 0 failed"
