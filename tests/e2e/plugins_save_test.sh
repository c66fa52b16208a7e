#!/usr/bin/env bash
# The two shipped plug-ins, run from the Plug-ins menu on a saved page: the
# sort keeps one of the repeated lines, the entities plug-in writes the
# selection's special characters as entities and says why it does nothing
# without a selection; Save writes the result byte for byte.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"
printf 'plugin=SortLines\\\\\\sort_lines.so\r\nplugin=HtmlEntities\\\\\\html_entities.so\r\n' \
  >"$E2E_PROGRAM/settings.dat"

e2e_open_page 'zeta & caf\303\251\r\nalpha\r\nzeta & caf\303\251\r\n'
e2e_menu p c                 # nothing selected: it says so
e2e_focus_named '^Error in plugin$'
xdotool key --clearmodifiers Return
e2e_menu p s                 # "Sort lines, drop repeats"
xdotool key --clearmodifiers ctrl+End shift+Up
[ -n "${QUILLORY_SHOT_DIR:-}" ] && {
  xdotool key --clearmodifiers alt+p
  sleep 0.5
  e2e_screenshot "$QUILLORY_SHOT_DIR/plugin_menu.png"
  xdotool key --clearmodifiers Escape
}
e2e_menu p c                 # "Special characters to entities"
xdotool key --clearmodifiers ctrl+s
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit

e2e_expect_file "$E2E_PAGE" 'alpha\r\nzeta &amp; caf&#233;\r\n'
echo "1 passed, 0 failed"
