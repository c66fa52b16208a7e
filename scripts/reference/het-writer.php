<?php
// Writes a reference file: the title, then the groups, each a name and its
// entries of three fields. Ends after a closing title end with CR LF, which
// readers ignore.

const TITLE_END = "\x01";
const GROUP_END = "\x02";
const ENTRY_END = "\x03";
const FIELD_END = "\x04";

// $groups: group name => list of [name, description, template].
function reference_text(string $title, array $groups): string {
    $texts = [];
    foreach ($groups as $group => $entries) {
        $text = $group;
        foreach ($entries as [$name, $description, $template]) {
            foreach ([$name, $description, $template] as $field) {
                if (preg_match('/[\x01-\x04]/', $field)) {
                    throw new RuntimeException("control character in $name");
                }
            }
            $text .= ENTRY_END . $name . FIELD_END . $description . FIELD_END . $template;
        }
        $texts[] = $text;
    }
    return $title . TITLE_END . implode(GROUP_END, $texts) . TITLE_END . "\r\n";
}
