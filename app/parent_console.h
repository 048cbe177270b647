#pragma once
// Where --version and --help print. A window program on Windows starts without a
// console of its own; elsewhere standard output is in place from the start.

namespace pemrix::app {

// Makes standard output reach the console of the shell that started the program
// when it has nowhere else to go; output redirected to a file or pipe stays there.
void reachParentConsole();

} // namespace pemrix::app
