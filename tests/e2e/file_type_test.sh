#!/usr/bin/env bash
# A copy outside a package registers the project type at its start: its
# own desktop entry (valid, naming every type it opens and starting this
# copy) and MIME package, keeping what other programs wrote in
# mimeapps.list, so that xdg-mime and gio name it; --unregister takes all
# of that back.
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

entry=$XDG_DATA_HOME/applications/quillory.desktop
desktop-file-validate "$entry"
grep -qx "Exec=$E2E_PROGRAM/quillory %f" "$entry"
answer=$(xdg-mime query default application/x-quillory-project)
[ "$answer" = quillory.desktop ] || {
  echo "e2e: xdg-mime answers '$answer'" >&2
  exit 1
}
grep -q '^[[:space:]]*quillory\.desktop$' <<<"$(gio mime text/html)"
e2e_expect_file "$XDG_CONFIG_HOME/mimeapps.list" \
  "${others}application/x-quillory-project=quillory.desktop;\n"

"$E2E_PROGRAM/quillory" --unregister
[ ! -e "$entry" ] && [ ! -e "$XDG_DATA_HOME/mime/packages/quillory.xml" ]
e2e_expect_file "$XDG_CONFIG_HOME/mimeapps.list" "$others"
echo "1 passed, 0 failed"
