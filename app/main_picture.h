#pragma once
// The decorative picture of the main window: a module on its serial cable.

#include <QPixmap>
#include <QSize>

namespace pemrix::app {

// Drawn at the given size in device-independent pixels, on a transparent ground.
QPixmap mainPicture(QSize size, qreal devicePixelRatio);

} // namespace pemrix::app
