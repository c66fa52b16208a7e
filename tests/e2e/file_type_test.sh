#!/usr/bin/env bash
# Starting registers the project type with the desktop as the program's
# own, keeping what other programs wrote in mimeapps.list.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

export XDG_DATA_HOME=$E2E_ROOT/home/data
unset XDG_CURRENT_DESKTOP KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
mkdir -p "$XDG_CONFIG_HOME"
others='# mine\n[Default Applications]\ntext/css=other.desktop;\n'
printf "$others" >"$XDG_CONFIG_HOME/mimeapps.list"

e2e_start
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

answer=$(xdg-mime query default application/x-quillory-project)
[ "$answer" = quillory.desktop ] || {
  echo "e2e: xdg-mime answers '$answer'" >&2
  exit 1
}
e2e_expect_file "$XDG_CONFIG_HOME/mimeapps.list" \
  "${others}application/x-quillory-project=quillory.desktop;\n"
echo "1 passed, 0 failed"
