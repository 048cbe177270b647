#pragma once
// For timing the start-up: with PEMRIX_STARTUP_PROBE_FD naming an open descriptor,
// the first paint of the window writes one byte to it and ends the program.
// Without that variable nothing happens.

class QWidget;

namespace pemrix::app {

void watchStartup(QWidget& window);

} // namespace pemrix::app
