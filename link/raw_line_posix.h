#pragma once
// What the serial port and the module emulator both do to POSIX descriptors: the raw
// line setting of a terminal, and the pipe that wakes a thread blocked in poll().

#include <termios.h>

namespace pemrix::link {

// Raw 8N1 at 1200 baud. Everything the line discipline could do to the bytes is
// switched off, software flow control included: on a binary line XON/XOFF would
// swallow the values 17 and 19. Hardware flow control and the modem-line settings
// stay as the terminal had them. CLOCAL makes it ignore carrier detect, which the
// modules do not drive. With VMIN 1 a non-blocking read of an empty terminal answers
// EAGAIN, so a read of zero bytes can only mean the device has gone.
void makeRawLine(termios& line);

// A pipe with both ends non-blocking and close-on-exec. False, with errno set, when
// the system refuses one.
bool makeWakePipe(int (&ends)[2]);

} // namespace pemrix::link
