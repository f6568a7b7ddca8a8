// Every control carries its name as objectName: the handlers are named after
// it and the tests find the control by it.
#pragma once

#include <QString>

namespace d7 {

template <class W>
W *named(W *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace d7
