#include "cli/standard_streams.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <windows.h>

namespace pemrix::cli {

namespace {

UINT consoleCodePageAtStart = 0;

extern "C" void restoreConsoleCodePage() {
    (void)::SetConsoleOutputCP(consoleCodePageAtStart);
}

// The reports are UTF-8; a console shows them as such only in its UTF-8 code page.
// The console belongs to the user's shell, so its own page is given back at exit.
void speakUtf8OnTheConsole() {
    consoleCodePageAtStart = ::GetConsoleOutputCP();
    if (consoleCodePageAtStart == 0 || consoleCodePageAtStart == CP_UTF8)
        return; // no console, or already UTF-8
    if (::SetConsoleOutputCP(CP_UTF8))
        (void)std::atexit(restoreConsoleCodePage);
}

} // namespace

// Serial ports are system handles here, never C descriptors, so a closed standard
// output cannot hand its number to the port; it only has to be known as closed.
//
// Both output streams carry the same bytes as on other systems. In the C runtime's
// text mode every LF would gain a CR, and a configuration file read to standard
// output (whose lines already end in CR LF) would come out with CR CR LF.
StandardStreams holdStandardStreams() {
    StandardStreams streams;
    if (::_fileno(stdout) < 0)
        streams.outputError = EBADF;
    else
        (void)::_setmode(::_fileno(stdout), _O_BINARY);
    if (::_fileno(stderr) >= 0)
        (void)::_setmode(::_fileno(stderr), _O_BINARY);
    speakUtf8OnTheConsole();
    return streams;
}

} // namespace pemrix::cli
