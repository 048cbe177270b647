// pemrix-cli: the exchange engine without a window, for scripted provisioning.

#include "cli/commands.h"
#include "cli/program_arguments.h"
#include "cli/standard_streams.h"
#include "language/catalog.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

pemrix::link::StopFlag stopRequest;

// The exchange ends at its next checkpoint, closing the port cleanly; a second
// signal ends the program at once.
extern "C" void requestStop(int signalNumber) {
    stopRequest.request();
    std::signal(signalNumber, SIG_DFL);
}

} // namespace

int main(int argc, char** argv) {
    const pemrix::cli::StandardStreams streams = pemrix::cli::holdStandardStreams();
    pemrix::cli::FileOutput out(stdout, streams.outputError);
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    std::vector<std::string> given = pemrix::cli::programArguments(argc, argv);
    pemrix::language::useLanguage(
        pemrix::language::chosenLanguage(pemrix::language::takeLanguageOption(given), std::getenv));
    const std::vector<std::string_view> args(given.begin(), given.end());
    const pemrix::cli::CommandContext context{out, std::cerr, stopRequest};
    return pemrix::cli::runProgram(args, context);
}
