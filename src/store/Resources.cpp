#include "store/Resources.h"

#include <QFile>
#include <QtGlobal>

#include "store/Engine.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initD7Resources() { Q_INIT_RESOURCE(resources); }

namespace d7 {
void InitResources() {
    static const bool done = (initD7Resources(), true);
    Q_UNUSED(done);
}

QString ResourceText(const QString &path) {
    InitResources();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EngineError(QStringLiteral("the resource %1 is missing").arg(path));
    return QString::fromUtf8(f.readAll());
}
}  // namespace d7
