// Registers the compiled-in resources once: the program's files (:/guide,
// :/icons, ...) and the translations (:/i18n).
#include "app/Resources.h"

#include <QtGlobal>

void InitResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(dpmrcps);
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    (void)done;
}
