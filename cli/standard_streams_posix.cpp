#include "cli/standard_streams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace pemrix::cli {

namespace {

bool isClosed(int fd) {
    return ::fcntl(fd, F_GETFD) == -1 && errno == EBADF;
}

} // namespace

StandardStreams holdStandardStreams() {
    StandardStreams streams;
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (!isClosed(fd))
            continue;
        // The lowest free number is this one: the lower ones are open or held by now.
        (void)::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (fd == STDOUT_FILENO)
            streams.outputError = EBADF;
    }
    return streams;
}

} // namespace pemrix::cli
