#include "app/ProgramResources.h"

#include <QtGlobal>

#ifdef LUMIVEX_HAVE_RESOURCES
// Q_INIT_RESOURCE declares the resource initialiser at block scope, and it must keep external
// linkage, so this stays outside any namespace.
static void initOnce()
{
    Q_INIT_RESOURCE(resources);
}
#endif

void initProgramResources()
{
#ifdef LUMIVEX_HAVE_RESOURCES
    static const bool done = [] {
        initOnce();
        return true;
    }();
    Q_UNUSED(done)
#endif
}
