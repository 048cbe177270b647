#include "cli/arguments.h"

#include <charconv>
#include <vector>

namespace pemrix::cli {

namespace {

std::optional<Command> commandNamed(std::string_view name) {
    if (name == "link")
        return Command::Link;
    if (name == "read")
        return Command::Read;
    if (name == "write")
        return Command::Write;
    if (name == "key")
        return Command::Key;
    return std::nullopt;
}

std::optional<link::ModuleKind> moduleNamed(std::string_view name) {
    for (const link::ModuleProfile& profile : link::ModuleProfiles)
        if (profile.optionName == name)
            return profile.kind;
    return std::nullopt;
}

std::optional<int> portNumberFrom(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value < FirstPortNumber || value > LastPortNumber)
        return std::nullopt;
    return value;
}

class Parser {
  public:
    explicit Parser(std::span<const std::string_view> args) : args_(args) {}

    ParsedArguments parse() {
        for (std::string_view arg : args_)
            if (arg == "--help" || arg == "-h") {
                Arguments help;
                help.help = true;
                return {help, {}};
            }
        while (next_ < args_.size()) {
            if (!takeOne())
                return {std::nullopt, error_};
        }
        if (!checkWhole())
            return {std::nullopt, error_};
        return {arguments_, {}};
    }

  private:
    bool fail(std::string why) {
        error_ = std::move(why);
        return false;
    }

    bool takeOne() {
        const std::string_view arg = args_[next_++];
        if (optionsEnded_ || arg.size() < 2 || arg.front() != '-')
            return takePositional(arg);
        if (arg == "--") {
            optionsEnded_ = true;
            return true;
        }
        if (arg == "--fast-timing") {
            if (arguments_.fastTiming)
                return fail("--fast-timing is given twice");
            arguments_.fastTiming = true;
            return true;
        }

        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const auto equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
            name = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
        }
        if (name == "--device")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.device)
                    return fail("--device is given twice");
                if (value.empty())
                    return fail("--device needs a device path");
                arguments_.device = std::string(value);
                return true;
            });
        if (name == "--port")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.portNumber)
                    return fail("--port is given twice");
                arguments_.portNumber = portNumberFrom(value);
                if (!arguments_.portNumber)
                    return fail("--port takes 1, 2, 3 or 4 (COM1..COM4), not '" +
                                std::string(value) + "'");
                return true;
            });
        if (name == "--module")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (moduleGiven_)
                    return fail("--module is given twice");
                const auto module = moduleNamed(value);
                if (!module)
                    return fail("--module takes 416, 417 or relay, not '" + std::string(value) +
                                "'");
                arguments_.module = *module;
                moduleGiven_ = true;
                return true;
            });
        if (name == "-o" || name == "--output")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.outputFile)
                    return fail("-o is given twice");
                if (value.empty())
                    return fail("-o needs a file name");
                arguments_.outputFile = std::string(value);
                return true;
            });
        if (name == "--trace")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.traceFile)
                    return fail("--trace is given twice");
                if (value.empty())
                    return fail("--trace needs a file name");
                arguments_.traceFile = std::string(value);
                return true;
            });
        return fail("unknown option '" + std::string(arg) + "'");
    }

    template <class Take>
    bool takeValue(std::string_view name, std::optional<std::string_view> inlineValue, Take take) {
        if (inlineValue)
            return take(*inlineValue);
        if (next_ >= args_.size())
            return fail(std::string(name) + " needs a value");
        return take(args_[next_++]);
    }

    bool takePositional(std::string_view arg) {
        if (!commandGiven_) {
            const auto command = commandNamed(arg);
            if (!command)
                return fail("unknown command '" + std::string(arg) +
                            "': use link, read, write or key");
            arguments_.command = *command;
            commandGiven_ = true;
            return true;
        }
        if (arguments_.command == Command::Write && !inputGiven_) {
            if (arg.empty())
                return fail("write needs a file name");
            arguments_.inputFile = std::string(arg);
            inputGiven_ = true;
            return true;
        }
        return fail("unexpected argument '" + std::string(arg) + "'");
    }

    bool checkWhole() {
        if (!commandGiven_)
            return fail("no command: use link, read, write or key");
        if (arguments_.device && arguments_.portNumber)
            return fail("give either --device or --port, not both");
        if (!arguments_.device && !arguments_.portNumber)
            return fail("no line: give --device PATH or --port N");
        if (!moduleGiven_)
            return fail("no module: give --module 416, 417 or relay");
        if (arguments_.command == Command::Key && !link::profileOf(arguments_.module)->readsKeys)
            return fail("the relay module has no key reader: key takes --module 416 or 417");
        if (arguments_.command == Command::Write && !inputGiven_)
            return fail("write needs the configuration file to send");
        if (arguments_.outputFile && arguments_.command != Command::Read)
            return fail("-o belongs to read only");
        return true;
    }

    std::span<const std::string_view> args_;
    std::size_t next_ = 0;
    Arguments arguments_;
    std::string error_;
    bool optionsEnded_ = false;
    bool commandGiven_ = false;
    bool moduleGiven_ = false;
    bool inputGiven_ = false;
};

} // namespace

ParsedArguments parseArguments(std::span<const std::string_view> args) {
    return Parser(args).parse();
}

} // namespace pemrix::cli
