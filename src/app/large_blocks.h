#pragma once

namespace quillory {

// Makes every block of a quarter megabyte or more go back to the system
// as soon as it is freed. By default the C library raises its threshold
// for that each time such a block is freed, after which blocks of a
// megabyte or so come from the heap and stay there once freed: opening
// and colouring a large file passes through many of them. Called once, at
// start.
void ReturnLargeBlocksWhenFreed();

}  // namespace quillory
