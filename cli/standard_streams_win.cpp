#include "cli/standard_streams.h"

#include <cerrno>
#include <cstdio>
#include <stdio.h>

namespace pemrix::cli {

// Serial ports are system handles here, never C descriptors, so a closed standard
// output cannot hand its number to the port; it only has to be known as closed.
StandardStreams holdStandardStreams() {
    StandardStreams streams;
    if (::_fileno(stdout) < 0)
        streams.outputError = EBADF;
    return streams;
}

} // namespace pemrix::cli
