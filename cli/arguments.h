#pragma once
// The command line of pemrix-cli:
//   pemrix-cli (--device PATH | --port N) link  --module 416|417|relay
//   pemrix-cli (--device PATH | --port N) read  --module 416|417|relay [-o FILE]
//   pemrix-cli (--device PATH | --port N) write --module 416|417|relay FILE
//   pemrix-cli (--device PATH | --port N) key   --module 416|417
//   pemrix-cli show [--module M] [--json] FILE
//   pemrix-cli (--device PATH | --port N) show --module M [--json]
//   pemrix-cli diff [--module M] [--json] FILE_A FILE_B
//   pemrix-cli (--device PATH | --port N) diff --module M [--json] FILE
// Every command also takes --trace FILE: every byte of its exchanges, as they happen.
// Options may stand before or after the command, as "--name value" or "--name=value".

#include "link/module_profile.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pemrix::cli {

enum class Command { Link, Read, Write, Key, Show, Diff };

inline constexpr int FirstPortNumber = 1;
inline constexpr int LastPortNumber = 4;

struct Arguments {
    bool help = false; // --help: nothing else counts
    std::optional<std::string> device;
    std::optional<int> portNumber; // COMn, n = 1..4
    Command command = Command::Link;
    link::ModuleKind module = link::ModuleKind::Secure; // --module, by its option name
    bool moduleGiven = false;                           // show and diff may go without
    std::string inputFile;                              // write
    std::vector<std::string> files;                     // show, diff: the files named
    bool json = false;                                  // show, diff: --json
    std::optional<std::string> outputFile;              // read -o
    std::optional<std::string> traceFile;               // --trace
    bool fastTiming = false;                            // testing only: no fixed waits
};

// Whether the command reaches the module: show and diff work on files alone.
inline bool usesLine(const Arguments& arguments) {
    return arguments.device || arguments.portNumber;
}

struct ParsedArguments {
    std::optional<Arguments> arguments; // nothing when the line is refused
    std::string error;                  // why, for the user
};

// `args` without the program's name.
ParsedArguments parseArguments(std::span<const std::string_view> args);

// The text of --help.
std::string helpText();

} // namespace pemrix::cli
