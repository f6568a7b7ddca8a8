// The style's standard icons, each made once: the style decodes several
// images for every icon it hands out, and the wizards' buttons ask for the
// same few icons dozens of times while the window is built.
#pragma once

#include <QIcon>
#include <QStyle>

namespace d7 {

QIcon StandardIcon(QStyle::StandardPixmap which);

}  // namespace d7
