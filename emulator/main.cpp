// pemrix-emulator: plays one module on a pseudo-terminal until interrupted.

#include "emulator/emulator.h"
#include "emulator/image_file.h"

#include <csignal>
#include <iostream>
#include <optional>
#include <pthread.h>
#include <string>
#include <string_view>

using namespace pemrix::emulator;

namespace {

constexpr int ExitUsage = 2;

void printUsage(std::ostream& out) {
    out << "Usage: pemrix-emulator --kind 416|417|426|427 [--image FILE] [--key HEX12|none]\n"
           "                       [--fault NAME[=N]]... [--NAME[=N]]...\n"
           "\n"
           "Plays one module on a pseudo-terminal: prints the terminal's device path on one\n"
           "line, then echoes and answers the host until SIGINT or SIGTERM.\n"
           "\n"
           "  --kind K        the module: 416, 417, 426 or 427\n"
           "  --image FILE    start with the image of a configuration file (one decimal\n"
           "                  number per line; the first 64 lines, 66 for a relay module)\n"
           "                  instead of the module's factory image\n"
           "  --key HEX12     the key presented to the module, twelve hexadecimal digits\n"
           "                  (default "
        << formatKeyCode(DefaultKeyCode)
        << "); 'none': no key is presented\n"
           "  --help          this text\n"
           "\n"
           "Faults, given as --fault NAME[=N] or --NAME[=N]; they combine. An answer is a\n"
           "link answer, a frame sent for a read or a key answer.\n"
        << faultHelp();
}

struct Options {
    ModuleConfig config;
    bool help = false;
};

std::optional<Options> parseArguments(int argc, char** argv, std::string& error) {
    Options options;
    bool kindGiven = false;
    std::optional<std::string> imagePath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return std::nullopt;
            }
            return std::string_view(argv[++i]);
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return options;
        }
        if (arg == "--kind") {
            const auto text = value();
            if (!text)
                return std::nullopt;
            const auto model = parseModuleModel(*text);
            if (!model) {
                error = "unknown kind '" + std::string(*text) + "': use 416, 417, 426 or 427";
                return std::nullopt;
            }
            options.config.model = *model;
            kindGiven = true;
        } else if (arg == "--image") {
            const auto text = value();
            if (!text)
                return std::nullopt;
            imagePath = std::string(*text);
        } else if (arg == "--key") {
            const auto text = value();
            if (!text || !parseKeyCode(*text, options.config.keyCode, &error))
                return std::nullopt;
        } else if (arg == "--fault" || arg.rfind("--", 0) == 0) {
            std::string_view text = arg.substr(2);
            if (arg == "--fault") {
                const auto named = value();
                if (!named)
                    return std::nullopt;
                text = *named;
            }
            const auto fault = parseFault(text, &error);
            if (!fault) {
                if (arg != "--fault" && error.rfind("unknown fault", 0) == 0)
                    error = "unknown option " + std::string(arg);
                return std::nullopt;
            }
            options.config.faults.set(fault->fault, fault->value);
        } else {
            error = "unexpected argument '" + std::string(arg) + "'";
            return std::nullopt;
        }
    }
    if (!kindGiven) {
        error = "--kind is required";
        return std::nullopt;
    }
    if (imagePath) {
        auto image = readImageFile(*imagePath, imageSize(options.config.model), error);
        if (!image)
            return std::nullopt;
        options.config.image = std::move(*image);
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseArguments(argc, argv, error);
    if (!options) {
        std::cerr << "pemrix-emulator: " << error << "\nTry 'pemrix-emulator --help'.\n";
        return ExitUsage;
    }
    if (options->help) {
        printUsage(std::cout);
        return 0;
    }

    // The signals are taken by sigwait below; the serving thread inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        Emulator emulator(options->config);
        emulator.start();
        std::cout << emulator.devicePath() << std::endl;
        int signal = 0;
        sigwait(&stopSignals, &signal);
        emulator.stop();
    } catch (const std::exception& failure) {
        std::cerr << "pemrix-emulator: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
