#pragma once

namespace quillory {

// Positions and sizes kept in files and layouts are in twips, as the page
// designer and the main window's arrangement both store them.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace quillory
