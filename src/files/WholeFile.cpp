#include "files/WholeFile.h"

#include <QSaveFile>

namespace d7 {

bool WriteWholeFile(const QString &path, const QByteArray &bytes, FileKind kind) {
    QSaveFile file(path);
    // Unbuffered, so that a full disk or a file-size limit shows as a short
    // write here: a buffered write reports every byte written, and the failing
    // flush inside commit() would still put the truncated file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    if (kind == FileKind::Executable) {
        QFileDevice::Permissions permissions = file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser;
        if (permissions & QFileDevice::ReadGroup)
            permissions |= QFileDevice::ExeGroup;
        if (permissions & QFileDevice::ReadOther)
            permissions |= QFileDevice::ExeOther;
        if (!file.setPermissions(permissions)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

}  // namespace d7
