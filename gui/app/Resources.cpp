// Registers the compiled-in resources once.
#include "app/Resources.h"

#include <QtGlobal>

void InitResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(dpmrcps);
        return true;
    }();
    (void)done;
}
