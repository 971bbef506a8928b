#include "resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAll() {
    Q_INIT_RESOURCE(fonts);
    Q_INIT_RESOURCE(chrome);
    Q_INIT_RESOURCE(ready);
    Q_INIT_RESOURCE(stilllife);
    Q_INIT_RESOURCE(results);
    Q_INIT_RESOURCE(pouring);
    Q_INIT_RESOURCE(periodictable);
}

void initResources() {
    static const bool done = (initAll(), true);
    Q_UNUSED(done);
}
