#include "cli/arguments.h"

#include "language/translate.h"

#include <charconv>
#include <vector>

namespace pemrix::cli {

namespace {

using language::arg;
using language::translate;

std::optional<Command> commandNamed(std::string_view name) {
    if (name == "link")
        return Command::Link;
    if (name == "read")
        return Command::Read;
    if (name == "write")
        return Command::Write;
    if (name == "key")
        return Command::Key;
    if (name == "show")
        return Command::Show;
    if (name == "diff")
        return Command::Diff;
    return std::nullopt;
}

constexpr const char* CommandNames =
    QT_TRANSLATE_NOOP("pemrix", "link, read, write, key, show или diff");

std::optional<link::ModuleKind> moduleNamed(std::string_view name) {
    for (const link::ModuleProfile& profile : link::ModuleProfiles)
        if (profile.optionName == name)
            return profile.kind;
    return std::nullopt;
}

// The --module values of the modules the table has, or of those that read keys:
// "416, 417 или relay".
std::string moduleChoices(bool readingKeys) {
    std::vector<std::string_view> names;
    for (const link::ModuleProfile& profile : link::ModuleProfiles)
        if (!readingKeys || profile.readsKeys)
            names.push_back(profile.optionName);
    std::string first(names.front());
    for (std::size_t n = 1; n + 1 < names.size(); ++n)
        first += ", " + std::string(names[n]);
    if (names.size() == 1)
        return first;
    return arg(translate("pemrix", "%1 или %2"), {first, names.back()});
}

// "-o требует имя файла".
std::string needsFileName(std::string_view option) {
    return arg(translate("pemrix", "%1 требует имя файла"), {option});
}

// "--port указан дважды".
std::string givenTwice(std::string_view option) {
    return arg(translate("pemrix", "%1 указан дважды"), {option});
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
        if (arg == "--json") {
            if (arguments_.json)
                return fail(givenTwice("--json"));
            arguments_.json = true;
            return true;
        }
        if (arg == "--fast-timing") {
            if (arguments_.fastTiming)
                return fail(givenTwice("--fast-timing"));
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
                    return fail(givenTwice("--device"));
                if (value.empty())
                    return fail(translate("pemrix", "--device требует путь к устройству"));
                arguments_.device = std::string(value);
                return true;
            });
        if (name == "--port")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.portNumber)
                    return fail(givenTwice("--port"));
                arguments_.portNumber = portNumberFrom(value);
                if (!arguments_.portNumber)
                    return fail(language::arg(
                        translate("pemrix",
                                  "--port принимает 1, 2, 3 или 4 (COM1..COM4), а не «%1»"),
                        {value}));
                return true;
            });
        if (name == "--module")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.moduleGiven)
                    return fail(givenTwice("--module"));
                const auto module = moduleNamed(value);
                if (!module)
                    return fail(
                        language::arg(translate("pemrix", "--module принимает %1, а не «%2»"),
                                      {moduleChoices(false), value}));
                arguments_.module = *module;
                arguments_.moduleGiven = true;
                return true;
            });
        if (name == "-o" || name == "--output")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.outputFile)
                    return fail(givenTwice("-o"));
                if (value.empty())
                    return fail(needsFileName("-o"));
                arguments_.outputFile = std::string(value);
                return true;
            });
        if (name == "--trace")
            return takeValue(name, inlineValue, [this](std::string_view value) {
                if (arguments_.traceFile)
                    return fail(givenTwice("--trace"));
                if (value.empty())
                    return fail(needsFileName("--trace"));
                arguments_.traceFile = std::string(value);
                return true;
            });
        return fail(language::arg(translate("pemrix", "неизвестный параметр «%1»"), {arg}));
    }

    template <class Take>
    bool takeValue(std::string_view name, std::optional<std::string_view> inlineValue, Take take) {
        if (inlineValue)
            return take(*inlineValue);
        if (next_ >= args_.size())
            return fail(arg(translate("pemrix", "%1 требует значение"), {name}));
        return take(args_[next_++]);
    }

    bool takePositional(std::string_view arg) {
        if (!commandGiven_) {
            const auto command = commandNamed(arg);
            if (!command)
                return fail(
                    language::arg(translate("pemrix", "неизвестная команда «%1»: используйте %2"),
                                  {arg, translate("pemrix", CommandNames)}));
            arguments_.command = *command;
            commandGiven_ = true;
            return true;
        }
        if (arguments_.command == Command::Write && !inputGiven_) {
            if (arg.empty())
                return fail(needsFileName("write"));
            arguments_.inputFile = std::string(arg);
            inputGiven_ = true;
            return true;
        }
        if (comparesFiles()) {
            if (arg.empty())
                return fail(needsFileName(commandName()));
            arguments_.files.emplace_back(arg);
            return true;
        }
        return fail(language::arg(translate("pemrix", "лишний аргумент «%1»"), {arg}));
    }

    bool comparesFiles() const {
        return arguments_.command == Command::Show || arguments_.command == Command::Diff;
    }
    const char* commandName() const {
        return arguments_.command == Command::Show ? "show" : "diff";
    }

    // show FILE, diff A B; with a line, show of the module and diff of the module and FILE.
    bool checkFiles() {
        const std::size_t wanted =
            (arguments_.command == Command::Diff ? 2U : 1U) - (usesLine(arguments_) ? 1U : 0U);
        if (arguments_.files.size() > wanted)
            return fail(
                arg(translate("pemrix", "лишний аргумент «%1»"), {arguments_.files[wanted]}));
        if (arguments_.files.size() < wanted)
            return fail(translate(
                "pemrix",
                arguments_.command == Command::Show
                    ? QT_TRANSLATE_NOOP(
                          "pemrix",
                          "show требует файл конфигурации или линию (--device ПУТЬ или --port N)")
                : usesLine(arguments_)
                    ? QT_TRANSLATE_NOOP("pemrix", "diff с линией требует файл конфигурации")
                    : QT_TRANSLATE_NOOP("pemrix", "diff требует два файла конфигурации")));
        if (usesLine(arguments_) && !arguments_.moduleGiven)
            return fail(arg(translate("pemrix", "не задан модуль: укажите --module %1"),
                            {moduleChoices(false)}));
        if (arguments_.traceFile && !usesLine(arguments_))
            return fail(translate(
                "pemrix", "--trace относится только к обмену с модулем (--device или --port)"));
        return true;
    }

    bool checkWhole() {
        if (!commandGiven_)
            return fail(arg(translate("pemrix", "не задана команда: используйте %1"),
                            {translate("pemrix", CommandNames)}));
        if (arguments_.device && arguments_.portNumber)
            return fail(translate("pemrix", "укажите либо --device, либо --port, но не оба"));
        if (arguments_.json && !comparesFiles())
            return fail(translate("pemrix", "--json относится только к командам show и diff"));
        if (comparesFiles() && arguments_.outputFile)
            return fail(translate("pemrix", "-o относится только к команде read"));
        if (comparesFiles())
            return checkFiles();
        if (!arguments_.device && !arguments_.portNumber)
            return fail(translate("pemrix", "не задана линия: укажите --device ПУТЬ или --port N"));
        if (!arguments_.moduleGiven)
            return fail(arg(translate("pemrix", "не задан модуль: укажите --module %1"),
                            {moduleChoices(false)}));
        if (const link::ModuleProfile& module = *link::profileOf(arguments_.module);
            arguments_.command == Command::Key && !module.readsKeys)
            return fail(
                arg(translate("pemrix",
                              "у модуля %1 нет считывателя ключей: key принимает --module %2"),
                    {module.name, moduleChoices(true)}));
        if (arguments_.command == Command::Write && !inputGiven_)
            return fail(translate("pemrix", "write требует файл конфигурации для отправки"));
        if (arguments_.outputFile && arguments_.command != Command::Read)
            return fail(translate("pemrix", "-o относится только к команде read"));
        return true;
    }

    std::span<const std::string_view> args_;
    std::size_t next_ = 0;
    Arguments arguments_;
    std::string error_;
    bool optionsEnded_ = false;
    bool commandGiven_ = false;
    bool inputGiven_ = false;
};

} // namespace

ParsedArguments parseArguments(std::span<const std::string_view> args) {
    return Parser(args).parse();
}

} // namespace pemrix::cli
