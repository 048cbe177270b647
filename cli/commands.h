#pragma once
// The four commands of pemrix-cli. Each opens the line, establishes the link as a
// window does, runs its exchange and hands the result to standard output; every
// report goes to the error stream as it happens, but the one that tells of success
// only once the result is out.

#include "cli/arguments.h"
#include "cli/line.h"
#include "cli/result_output.h"
#include "link/exchange_stop.h"

#include <ostream>
#include <span>
#include <string_view>

namespace pemrix::cli {

struct CommandContext {
    ResultOutput& out; // results: the file read, the key code, the kind linked
    std::ostream& err; // reports and problems
    const link::StopFlag& stop;
    PortOpener openPort = systemPortOpener();
};

// Runs parsed arguments (not --help); returns the exit code (cli/exit_codes.h).
int runCommand(const Arguments& arguments, const CommandContext& context);

// The whole program: `args` without the program's name.
int runProgram(std::span<const std::string_view> args, const CommandContext& context);

} // namespace pemrix::cli
