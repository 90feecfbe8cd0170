#include "app/malloc_arenas.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace app {

void useOneMallocArena() {
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace app
