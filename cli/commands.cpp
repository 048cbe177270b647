#include "cli/commands.h"

#include "cli/command_reporter.h"
#include "cli/config_files.h"
#include "cli/config_view.h"
#include "cli/console_target.h"
#include "cli/exit_codes.h"
#include "cli/port_device.h"
#include "cli/same_file.h"
#include "cli/trace_file.h"
#include "image/file_access.h"
#include "language/translate.h"
#include "link/exchange.h"
#include "link/key_code.h"
#include "link/module_profile.h"

#include <array>
#include <exception>
#include <optional>
#include <string>

namespace pemrix::cli {

namespace {

using language::arg;
using language::translate;

constexpr const char* ProgramName = "pemrix-cli";

// The report that tells of the command's success; it waits until the result is out,
// so that nothing claims success over a result that was lost. A write has no result
// to deliver.
std::optional<int> finalReportOf(Command command) {
    switch (command) {
    case Command::Link:
        return link::ReportCode::LinkEstablished;
    case Command::Read:
    case Command::Show:
    case Command::Diff:
        return link::ReportCode::ReadDone;
    case Command::Key:
        return link::ReportCode::KeyReadDone;
    case Command::Write:
        break;
    }
    return std::nullopt;
}

// Writes a result to standard output; on failure says why on the error stream.
int deliver(const CommandContext& context, std::string_view text) {
    if (const auto reason = context.out.write(text)) {
        context.err << ProgramName << ": "
                    << arg(translate("pemrix", "не удалось записать в стандартный вывод: %1"),
                           {*reason})
                    << std::endl;
        return ExitCode::OutputFailed;
    }
    return ExitCode::Success;
}

// show: the configuration; diff: what differs between the two, exit code 1 when anything
// does.
int deliverView(const CommandContext& context, const Arguments& args,
                const std::array<ShownConfig, 2>& configs) {
    const auto& [a, b] = configs;
    if (args.command == Command::Show)
        return deliver(context, args.json ? showJson(a) : showText(a));
    const int delivered = deliver(context, args.json ? diffJson(a, b) : diffText(a, b));
    if (delivered != ExitCode::Success || !configsDiffer(a, b))
        return delivered;
    return ExitCode::Different;
}

// show and diff of files alone: nothing opens a line.
int runOnFiles(const Arguments& args, const CommandContext& context) {
    const std::optional<link::ModuleKind> module =
        args.moduleGiven ? std::optional(args.module) : std::nullopt;
    std::array<ShownConfig, 2> configs;
    for (std::size_t n = 0; n < args.files.size(); ++n) {
        IdentifiedFile file = loadConfigFile(image::pathFromUtf8(args.files[n]), module);
        if (!file.image) {
            context.err << file.error << std::endl;
            return ExitCode::Usage;
        }
        configs[n] = {file.module, file.image->fileKind, std::move(file.image->cells),
                      args.files[n]};
    }
    if (args.command == Command::Diff && configs[0].module != configs[1].module) {
        context.err << ProgramName << ": "
                    << arg(translate("pemrix", "«%1» — файл модуля %2, а «%3» — файл модуля %4: "
                                               "сравниваются только файлы одного модуля"),
                           {configs[0].source, link::profileOf(configs[0].module)->name,
                            configs[1].source, link::profileOf(configs[1].module)->name})
                    << std::endl;
        return ExitCode::Usage;
    }
    return deliverView(context, args, configs);
}

class CommandRun {
  public:
    CommandRun(const Arguments& arguments, const CommandContext& context)
        : args_(arguments), context_(context), kind_(arguments.module),
          module_(*link::profileOf(arguments.module)), target_(kind_, context.err),
          reporter_(target_),
          timing_(arguments.fastTiming ? link::Timing::zero() : link::Timing{}) {
        if (const auto code = finalReportOf(arguments.command))
            reporter_.holdReport(*code);
    }

    int run() {
        // Whatever can be checked without the module is checked first: a bad file,
        // output name or trace file sends nothing.
        if (const auto clash = traceFileClash())
            return refuse(*clash);
        if (args_.command == Command::Write) {
            LoadedImage loaded =
                loadImageToWrite(image::pathFromUtf8(args_.inputFile), args_.module);
            if (!loaded.image)
                return refuse(loaded.error);
            toWrite_ = std::move(*loaded.image);
        }
        if (args_.command == Command::Diff) {
            const auto& name = args_.files.front();
            IdentifiedFile file = loadConfigFile(image::pathFromUtf8(name), args_.module);
            if (!file.image)
                return refuse(file.error);
            toCompare_ = {file.module, file.image->fileKind, std::move(file.image->cells), name};
        }
        if (args_.outputFile)
            if (auto problem = outputPathProblem(image::pathFromUtf8(*args_.outputFile)))
                return refuse(*problem);
        if (args_.traceFile) {
            auto opened = TraceFile::open(image::pathFromUtf8(*args_.traceFile));
            if (!opened)
                return refuse(opened.error().message);
            traceFile_ = std::move(opened).value();
        }
        const int exitCode = runExchanges();
        if (!noteIncompleteTrace() || exitCode != ExitCode::Success)
            return exitCode;
        return ExitCode::OutputFailed;
    }

  private:
    // Opens the line, establishes the link, then runs the command's own exchange.
    int runExchanges() {
        device_ = args_.device ? *args_.device : deviceForPortNumber(*args_.portNumber);
        const auto port = context_.openPort(device_, link::OpenOptions{timing_.portSettle});
        if (const auto& error = port->openError()) {
            reporter_.report(link::ReportCode::LineFailed, 0);
            const std::string portName =
                args_.device ? std::string() : "COM" + std::to_string(*args_.portNumber);
            context_.err << lineFailureText(device_, *error, portName) << std::flush;
            return ExitCode::LineFault;
        }
        link::ExchangeEnd end = exchange(*port, {kind_, link::Operation::Link, {}});
        if (end == link::ExchangeEnd::Succeeded && args_.command != Command::Link) {
            noteVariantMismatch();
            end = exchange(*port, operationRequest());
        }
        if (end != link::ExchangeEnd::Succeeded)
            return failure(end);
        const int delivered = deliverResult();
        if (delivered == ExitCode::Success || delivered == ExitCode::Different)
            reporter_.showHeldReport();
        return delivered;
    }

    // The trace is a help to the user, not the result: a trace cut short leaves a
    // failed exchange's outcome as it is, but a script must not take a good run for
    // one whose trace it can rely on. Tells whether the trace is incomplete.
    bool noteIncompleteTrace() const {
        if (!traceFile_ || !traceFile_->failure())
            return false;
        context_.err << ProgramName << ": "
                     << arg(translate("pemrix", "журнал обмена записан не полностью: %1"),
                            {*traceFile_->failure()})
                     << std::endl;
        return true;
    }

    // A trace over the file to write would wipe the user's configuration; a trace over
    // the output file would be replaced by it. Checked before anything is opened.
    std::optional<std::string> traceFileClash() const {
        if (!args_.traceFile)
            return std::nullopt;
        const auto trace = image::pathFromUtf8(*args_.traceFile);
        // `pattern`: "%1" the trace file, "%2" the file it would overwrite.
        const auto clashWith = [&](const std::string& name, const char* pattern) {
            return std::string(ProgramName) + ": " +
                   arg(translate("pemrix", pattern), {*args_.traceFile, name});
        };
        const char* configClash = QT_TRANSLATE_NOOP(
            "pemrix",
            "файл журнала «%1» — это файл конфигурации «%2»; укажите в --trace другой файл");
        if (args_.command == Command::Write &&
            namesSameFile(trace, image::pathFromUtf8(args_.inputFile)))
            return clashWith(args_.inputFile, configClash);
        if (args_.command == Command::Diff &&
            namesSameFile(trace, image::pathFromUtf8(args_.files.front())))
            return clashWith(args_.files.front(), configClash);
        if (args_.outputFile && namesSameFile(trace, image::pathFromUtf8(*args_.outputFile)))
            return clashWith(*args_.outputFile,
                             QT_TRANSLATE_NOOP("pemrix", "файл журнала «%1» — это выходной файл "
                                                         "«%2»; укажите в --trace другой файл"));
        return std::nullopt;
    }

    int refuse(const std::string& why) {
        context_.err << why << std::endl;
        return ExitCode::Usage;
    }

    // One exchange, with the purges a worker makes around it.
    link::ExchangeEnd exchange(link::SerialPort& line, link::ExchangeRequest request) {
        link::purgeOnWorkerStart(line);
        link::Exchange exchange(line, std::move(request), reporter_, context_.stop, timing_);
        if (traceFile_)
            exchange.setTrace(&traceFile_->trace());
        const link::ExchangeEnd end = exchange.run();
        link::purgeOnWorkerEnd(line);
        return end;
    }

    link::ExchangeRequest operationRequest() const {
        switch (args_.command) {
        case Command::Read:
        case Command::Show:
        case Command::Diff:
            return {kind_, module_.read, {}};
        case Command::Write:
            return {kind_, module_.write, toWrite_.cells};
        case Command::Key:
            // The command line has no identifier slots; the engine wants one.
            return {kind_, link::Operation::KeyId, {1}};
        case Command::Link:
            break;
        }
        return {kind_, link::Operation::Link, {}};
    }

    // The kind the module answered: for a module with models, the model present.
    link::ModuleKind linkedKind() const { return reporter_.answeredKind().value_or(kind_); }

    // As in a window with a link, the connected module's variant holds; the file's
    // variant line is only compared, so a script learns of the difference.
    void noteVariantMismatch() const {
        if (args_.command != Command::Write || toWrite_.fileKind == linkedKind())
            return;
        context_.err << ProgramName << ": "
                     << arg(translate("pemrix", "замечание: файл для варианта %1 (%2), модуль "
                                                "ответил вариантом %3 (%4); образ записывается "
                                                "как есть"),
                            {std::to_string(link::kindValue(toWrite_.fileKind)),
                             link::variantName(toWrite_.fileKind),
                             std::to_string(link::kindValue(linkedKind())),
                             link::variantName(linkedKind())})
                     << std::endl;
    }

    // A failed line has been reported with the operation it cut short and the
    // port's reason.
    int failure(link::ExchangeEnd end) const {
        if (end == link::ExchangeEnd::Stopped)
            return ExitCode::Interrupted;
        if (end == link::ExchangeEnd::LineFailed)
            return ExitCode::LineFault;
        const auto decided = reporter_.decidedExitCode();
        if (!decided || *decided == ExitCode::Success)
            return ExitCode::ExchangeFailed;
        return *decided;
    }

    int deliverResult() const {
        switch (args_.command) {
        case Command::Link:
            return deliver(context_, std::to_string(link::kindValue(linkedKind())) + '\n');
        case Command::Read:
            return deliverImage();
        case Command::Show:
        case Command::Diff:
            if (!reporter_.image())
                return ExitCode::ExchangeFailed;
            return deliverView(context_, args_,
                               {ShownConfig{args_.module, linkedKind(), *reporter_.image(),
                                            arg(translate("pemrix", "модуль на %1"), {device_})},
                                toCompare_});
        case Command::Write:
            break;
        case Command::Key:
            if (!reporter_.keyCode())
                return ExitCode::NoKey;
            return deliver(context_, link::formatKeyCode(*reporter_.keyCode()) + '\n');
        }
        return ExitCode::Success;
    }

    int deliverImage() const {
        if (!reporter_.image())
            return ExitCode::ExchangeFailed;
        const std::string text = fileTextOfImage(args_.module, *reporter_.image(), linkedKind());
        if (!args_.outputFile)
            return deliver(context_, text);
        const auto saved = image::writeFileAtomically(image::pathFromUtf8(*args_.outputFile), text);
        if (!saved) {
            context_.err << saved.error().message << std::endl;
            return ExitCode::Usage;
        }
        return ExitCode::Success;
    }

    const Arguments& args_;
    const CommandContext& context_;
    const link::ModuleKind kind_;
    const link::ModuleProfile& module_;
    ConsoleTarget target_;
    CommandReporter reporter_;
    const link::Timing timing_;
    ImageToWrite toWrite_;
    ShownConfig toCompare_; // diff: the file
    std::string device_;
    std::unique_ptr<TraceFile> traceFile_;
};

} // namespace

int runCommand(const Arguments& arguments, const CommandContext& context) {
    if ((arguments.command == Command::Show || arguments.command == Command::Diff) &&
        !usesLine(arguments))
        return runOnFiles(arguments, context);
    return CommandRun(arguments, context).run();
}

int runProgram(std::span<const std::string_view> args, const CommandContext& context) {
    const ParsedArguments parsed = parseArguments(args);
    if (!parsed.arguments) {
        context.err << ProgramName << ": " << parsed.error << '\n'
                    << arg(translate("pemrix", "Справка: %1 --help"), {ProgramName}) << std::endl;
        return ExitCode::Usage;
    }
    if (parsed.arguments->help)
        return deliver(context, helpText());
    try {
        return runCommand(*parsed.arguments, context);
    } catch (const std::exception& error) {
        context.err << ProgramName << ": "
                    << arg(translate("pemrix", "внутренняя ошибка: %1"), {error.what()})
                    << std::endl;
        return ExitCode::InternalError;
    }
}

} // namespace pemrix::cli
