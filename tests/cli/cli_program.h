#pragma once
// Runs a program (the built pemrix-cli, or pemrix-cli.exe under Wine) as a child
// process and collects what it says.

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace pemrix::cli::testing {

// Long enough never to matter on a slow machine; only a hung program waits it out.
inline constexpr std::chrono::seconds DoesNotHang{60};

struct ProgramRun {
    int exitCode = -1; // -1: killed after DoesNotHang, or ended by a signal
    std::string out;
    std::string err;
};

// What the program's standard output is: a pipe the test reads, a device on which
// every write fails for lack of space, or nothing at all.
enum class StandardOutput { Pipe, DevFull, Closed };

// Runs `commandLine` (the program first) to its end. `extraEnvironment` entries
// ("NAME=value") are added to the test's environment.
ProgramRun runProgram(const std::vector<std::string>& commandLine,
                      const std::vector<std::string>& extraEnvironment = {},
                      StandardOutput output = StandardOutput::Pipe);

#ifdef PEMRIX_CLI_PROGRAM
// The pemrix-cli built beside the tests, with `args`.
inline ProgramRun runCliProgram(std::vector<std::string> args,
                                const std::vector<std::string>& extraEnvironment = {},
                                StandardOutput output = StandardOutput::Pipe) {
    args.insert(args.begin(), PEMRIX_CLI_PROGRAM);
    return runProgram(args, extraEnvironment, output);
}
#endif

} // namespace pemrix::cli::testing
