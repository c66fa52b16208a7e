#pragma once

namespace quillory {

// Gives the documents' tab strip an accessibility interface that shows
// assistive tools the tabs of open documents only; the stock one lists
// every hidden slot as an empty tab. Safe to call more than once.
void InstallSlotTabBarAccessibility();

}  // namespace quillory
