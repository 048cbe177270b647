#pragma once
// The three standard streams at start-up. A stream the caller closed
// (`pemrix-cli ... >&-`) leaves its descriptor free, and the serial port opened
// next would take it: the result meant for standard output would then go down the
// serial line. So a closed one is held by a stand-in that swallows everything, and
// writing to standard output is known to fail.

namespace pemrix::cli {

struct StandardStreams {
    int outputError = 0; // the error number every result write fails with, or 0
};

// Call first thing in main, before anything is opened.
StandardStreams holdStandardStreams();

} // namespace pemrix::cli
