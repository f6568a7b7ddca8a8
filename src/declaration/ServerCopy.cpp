#include "declaration/ServerCopy.h"

#include <QSet>

#include "store/DeclarationCopy.h"

namespace d7 {

QString CopyToServer(Connection &file, Connection &server,
                     const std::function<bool(const QStringList &there)> &mayReplace) {
    const QStringList wanted = DeclarationTaxNumbers(file);
    const QStringList stored = DeclarationTaxNumbers(server);
    const QSet<QString> onServer(stored.begin(), stored.end());
    QStringList there;
    for (const QString &taxNumber : wanted)
        if (onServer.contains(taxNumber))
            there << taxNumber;
    const bool replace = !there.isEmpty() && mayReplace(there);
    const QStringList copied = CopyDeclarations(file, server, replace);
    QString report = QStringLiteral("Αντιγράφηκαν στον διακομιστή %1 από τις %2 δηλώσεις του αρχείου.")
                         .arg(copied.size())
                         .arg(wanted.size());
    if (!there.isEmpty() && !replace)
        report += QStringLiteral("\nΈμειναν όπως ήταν στον διακομιστή οι δηλώσεις με ΑΦΜ %1.")
                      .arg(there.join(QStringLiteral(", ")));
    return report;
}

}  // namespace d7
