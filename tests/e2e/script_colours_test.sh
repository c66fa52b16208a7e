#!/usr/bin/env bash
# A script's comment in a page shows in its own colour; switched off in
# the Settings menu, the page shows the colouring pass's colours alone and
# the choice is kept in the per-user options file.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1" "$2"

e2e_open_page '<script>\r\n// a note about the page\r\n</script>\r\n'
sleep 0.5
eval "$(e2e_window_geometry '^Quillory - page.html$')"
# The second line of the editor, right of the gutter.
line="300x12+$((X + 60))+$((Y + 172))"
comment_green() {
  e2e_screenshot "$E2E_ROOT/$1.png"
  convert "$E2E_ROOT/$1.png" -crop "$line" -unique-colors -depth 8 txt:- |
    grep -c '#008000' || true
}
[ "$(comment_green on)" != 0 ] ||
  { echo "e2e: the script's comment is not green" >&2; exit 1; }

e2e_menu s Up Return
sleep 0.5
[ "$(comment_green off)" = 0 ] ||
  { echo "e2e: the comment stays green with the switch off" >&2; exit 1; }
[ -n "${QUILLORY_SHOT_DIR:-}" ] && cp "$E2E_ROOT"/*.png "$QUILLORY_SHOT_DIR/"
e2e_expect_file "$XDG_CONFIG_HOME/quillory/quillory.conf" 'ColourScripts=0\n'
xdotool key --clearmodifiers ctrl+q
e2e_wait_exit
echo "1 passed, 0 failed"
