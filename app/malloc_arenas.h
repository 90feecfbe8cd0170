#pragma once

namespace app {

// Has every thread allocate from the main heap. Where the C library gives each thread that
// allocates a heap of its own (glibc), Qt's display connection, the font reading and picture
// conversions would each hold one, for memory that one heap reuses; the program's threads
// allocate little and seldom at the same time. Elsewhere nothing changes.
void useOneMallocArena();

}  // namespace app
