#include "link/raw_line_posix.h"

#include <fcntl.h>
#include <unistd.h>

namespace pemrix::link {

void makeRawLine(termios& line) {
    line.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                           ICRNL | IXON | IXOFF | IXANY | INPCK);
    line.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    line.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    line.c_cflag |= CS8 | CREAD | CLOCAL;
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    cfsetispeed(&line, B1200);
    cfsetospeed(&line, B1200);
}

bool makeWakePipe(int (&ends)[2]) {
    if (::pipe(ends) != 0) {
        return false;
    }
    for (int end : ends) {
        (void)::fcntl(end, F_SETFD, FD_CLOEXEC);
        (void)::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

} // namespace pemrix::link
