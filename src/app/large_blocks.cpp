#include "app/large_blocks.h"

#include <malloc.h>

namespace quillory {

void ReturnLargeBlocksWhenFreed() { mallopt(M_MMAP_THRESHOLD, 256 * 1024); }

}  // namespace quillory
