#pragma once

namespace quillory::bench {

// Colouring through the real editor control: whole texts coloured and
// applied as styles, opening a file to a painted first screen, and typing
// one character with its line re-coloured (and the re-colouring alone), at
// the corpus sizes.
void RegisterEditorColouring();

// Drops the editors; must run before the application object goes.
void ReleaseEditors();

}  // namespace quillory::bench
