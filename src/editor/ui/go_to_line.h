#pragma once

namespace quillory {

class Dialogs;
class Editor;
class NamedCaptions;

// Go to line: asks for a line number and puts the caret at the start of
// that line, in view; a number past the end goes to the last line.
// Anything that is no line number is said and moves nothing.
void GoToLine(Editor& rich, Dialogs& dialogs, const NamedCaptions& captions);

}  // namespace quillory
