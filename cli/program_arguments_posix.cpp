#include "cli/program_arguments.h"

namespace pemrix::cli {

// The bytes as given: file names are bytes here, and the usual locales are UTF-8.
std::vector<std::string> programArguments(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return args;
}

} // namespace pemrix::cli
