#include "store/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initD7Resources() { Q_INIT_RESOURCE(resources); }

namespace d7 {
void InitResources() {
    static const bool done = (initD7Resources(), true);
    Q_UNUSED(done);
}
}  // namespace d7
