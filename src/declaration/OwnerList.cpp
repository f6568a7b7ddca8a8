#include "declaration/OwnerList.h"

namespace d7 {

QStringList OwnerListItems(bool spouseHasData, int childCount) {
    QStringList items{QStringLiteral("ΣΤΟΝ ΥΠΟΧΡΕΟ")};
    if (spouseHasData)
        items << QStringLiteral("ΣΤΗ ΣΥΖΥΓΟ");
    for (int n = 1; n <= childCount; ++n)
        items << QStringLiteral("ΣΤΟ ") + QString::number(n) + QStringLiteral(" ΠΑΙΔΙ");
    return items;
}

QString ResolveOwnerCode(int index, const QString &text) {
    if (index == 0)
        return QStringLiteral("1");
    if (text == QStringLiteral("ΣΤΗ ΣΥΖΥΓΟ"))
        return QStringLiteral("2");
    static const QString head = QStringLiteral("ΣΤΟ "), tail = QStringLiteral(" ΠΑΙΔΙ");
    if (text.startsWith(head) && text.endsWith(tail)) {
        bool ok = false;
        const int n = text.mid(head.size(), text.size() - head.size() - tail.size()).toInt(&ok);
        if (ok && n >= 1)
            return QString::number(n + 2);
    }
    return QString();
}

}  // namespace d7
