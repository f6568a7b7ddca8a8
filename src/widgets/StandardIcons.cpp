#include "widgets/StandardIcons.h"

#include <QApplication>
#include <QHash>

namespace d7 {

QIcon StandardIcon(QStyle::StandardPixmap which) {
    static QHash<int, QIcon> made;
    auto it = made.find(int(which));
    if (it == made.end())
        it = made.insert(int(which), QApplication::style()->standardIcon(which));
    return *it;
}

}  // namespace d7
