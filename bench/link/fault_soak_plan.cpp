#include "bench/link/fault_soak_plan.h"

#include "link/key_code.h"
#include "link/module_profile.h"
#include "link/reports.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string_view>

namespace pemrix::bench {

using emulator::Fault;
using link::ExchangeEnd;
using Kind = link::ModuleKind;
using Op = link::Operation;
namespace Code = link::ReportCode;

namespace {

const char* endName(ExchangeEnd end) {
    switch (end) {
    case ExchangeEnd::Succeeded:
        return "succeeded";
    case ExchangeEnd::Failed:
        return "failed";
    case ExchangeEnd::Stopped:
        return "stopped";
    case ExchangeEnd::LineFailed:
        return "line failed";
    }
    return "?";
}

const char* operationName(Op operation) {
    switch (operation) {
    case Op::Link:
        return "link";
    case Op::Write:
        return "write";
    case Op::Read:
        return "read";
    case Op::KeyId:
        return "key read";
    case Op::ReleWrite:
        return "relay write";
    case Op::ReleRead:
        return "relay read";
    default:
        return "?";
    }
}

// The window that serves a model: its module's.
Kind windowKindOf(Kind model) {
    return emulator::moduleOf(model).kind;
}

// The end an exchange must come to when nothing stops it, and the window's last calls.
struct Terminal {
    ExchangeEnd end;
    std::vector<std::string> calls;
};

Terminal expectedTerminal(const SessionPlan& plan) {
    RecordingWindow window(plan.request.moduleKind);
    const auto has = [&](Fault fault) { return plan.fault == fault; };
    const auto fail = [&](int code) {
        link::ShowReport(window, code, 0);
        return Terminal{ExchangeEnd::Failed, window.calls};
    };
    const auto succeed = [&] { return Terminal{ExchangeEnd::Succeeded, window.calls}; };
    switch (plan.request.operation) {
    case Op::Link:
        if (has(Fault::Silent))
            return fail(Code::NoAnswer);
        // With its kind byte left out, the answer's CRC stands where the kind should.
        if (has(Fault::WrongKind) || has(Fault::DroppedByte))
            return fail(Code::OtherKind);
        if (has(Fault::BadLinkCrc))
            return fail(Code::LinkCrcError);
        link::ShowReport(window, Code::LinkEstablished, 0);
        link::LinkUp(window);
        return succeed();
    case Op::Read:
    case Op::ReleRead:
        if (has(Fault::Silent) || has(Fault::RefusedHeader) || has(Fault::BadFrameCrc) ||
            has(Fault::DroppedByte))
            return fail(Code::CrcError);
        link::DeliverImage(window, {plan.module.image.begin(), plan.module.image.end()});
        link::ShowReport(window, Code::ReadDone, 0);
        link::LinkUp(window);
        return succeed();
    case Op::Write:
    case Op::ReleWrite:
        if (has(Fault::Silent) || has(Fault::RefusedHeader) || has(Fault::BadFrameCrc) ||
            has(Fault::NoWriteAck))
            return fail(Code::CrcError);
        link::ShowReport(window, Code::WriteDone, 0);
        link::LinkUp(window);
        return succeed();
    default:
        if (has(Fault::Silent) || has(Fault::RefusedHeader) || has(Fault::DroppedByte))
            return fail(Code::CrcError);
        if (has(Fault::NoKey))
            return fail(Code::NoKey);
        link::ShowKeyId(window, *plan.module.keyCode, plan.request.data.at(0));
        link::ShowReport(window, Code::KeyReadDone, 0);
        return succeed();
    }
}

bool endsWith(const std::vector<std::string>& calls, const std::vector<std::string>& tail) {
    return calls.size() >= tail.size() &&
           std::equal(tail.begin(), tail.end(), calls.end() - static_cast<long>(tail.size()));
}

std::string lastCalls(const std::vector<std::string>& calls) {
    std::string text;
    const std::size_t from = calls.size() > 4 ? calls.size() - 4 : 0;
    for (std::size_t i = from; i < calls.size(); ++i)
        text += (i == from ? "" : " | ") + calls[i];
    return text.empty() ? "(none)" : text;
}

} // namespace

std::string SessionPlan::describe() const {
    std::string text(emulator::modelName(module.model));
    text += " ";
    text += operationName(request.operation);
    text += ", fault ";
    text += fault ? std::string(emulator::faultInfo(*fault).name) : "none";
    if (stopAfter)
        text += ", stop after " + std::to_string(stopAfter->count()) + " ms";
    return text;
}

SessionPlan planSession(std::mt19937& random) {
    const auto pick = [&](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    SessionPlan plan;
    static constexpr pemrix::link::ModuleKind models[] = {
        pemrix::link::ModuleKind::Secure, pemrix::link::ModuleKind::FireSecure,
        pemrix::link::ModuleKind::Rele4, pemrix::link::ModuleKind::Rele8};
    const pemrix::link::ModuleKind model = models[pick(4)];
    plan.module.model = model;
    plan.module.image.resize(emulator::imageSize(model));
    for (auto& byte : plan.module.image)
        byte = static_cast<std::uint8_t>(pick(256));
    std::uint64_t key = 0;
    do {
        key = std::uniform_int_distribution<std::uint64_t>(0, link::KeyCodeMask)(random);
    } while (key == link::KeyCodeMask);
    plan.module.keyCode = key;

    const link::ModuleProfile& module = emulator::moduleOf(model);
    plan.request.moduleKind = windowKindOf(model);
    const Op operations[] = {Op::Link, module.read, module.write, Op::KeyId};
    plan.request.operation = operations[pick(module.readsKeys ? 4 : 3)];
    if (plan.request.operation == Op::Write || plan.request.operation == Op::ReleWrite) {
        plan.request.data.resize(emulator::imageSize(model));
        // Entries beyond a byte: only the low byte may reach the module.
        for (int& entry : plan.request.data)
            entry = pick(0x400);
    } else if (plan.request.operation == Op::KeyId) {
        plan.request.data = {1 + pick(8)};
    }

    static constexpr Fault faults[] = {
        Fault::Silent,     Fault::AnswerOnAttempt, Fault::WrongKind,
        Fault::BadLinkCrc, Fault::RefusedHeader,   Fault::BadFrameCrc,
        Fault::NoWriteAck, Fault::DroppedByte,     Fault::NoKey,
    };
    constexpr int faultCount = static_cast<int>(std::size(faults));
    // Two chances in eleven of a module without a fault.
    const int chosen = pick(faultCount + 2);
    if (chosen < faultCount) {
        plan.fault = faults[chosen];
        if (*plan.fault == Fault::AnswerOnAttempt)
            plan.module.faults.set(*plan.fault, 2 + pick(2));
        else
            plan.module.faults.set(*plan.fault);
    }

    const bool silentLink = plan.request.operation == Op::Link && plan.fault == Fault::Silent;
    if (silentLink) {
        if (pick(10) != 0)
            plan.stopAfter = std::chrono::milliseconds(pick(3000));
    } else if (pick(5) < 2) {
        plan.stopAfter = std::chrono::milliseconds(pick(25));
    }
    return plan;
}

std::string judgeSession(const SessionPlan& plan, const SessionResult& result) {
    if (!result.outcome)
        return "did not end in time";
    const ExchangeEnd end = *result.outcome;
    const Terminal terminal = expectedTerminal(plan);
    if (plan.stopAfter && end == ExchangeEnd::Stopped)
        return {};
    if (end != terminal.end)
        return std::string("ended ") + endName(end) + ", must end " + endName(terminal.end) +
               (plan.stopAfter ? " or stopped" : "");
    // A stopped key read may leave out its last report; otherwise the window's last
    // calls are those of the end.
    if (!plan.stopAfter && !endsWith(result.calls, terminal.calls))
        return "the window's last calls were: " + lastCalls(result.calls) +
               "; must be: " + lastCalls(terminal.calls);
    if (end != ExchangeEnd::Succeeded)
        return {};
    const Op operation = plan.request.operation;
    if (operation == Op::Read || operation == Op::ReleRead) {
        const std::vector<int> stored(plan.module.image.begin(), plan.module.image.end());
        if (result.images.size() != 1 || result.images.front() != stored)
            return "the image delivered is not the module's";
    }
    if (operation == Op::Write || operation == Op::ReleWrite) {
        std::vector<std::uint8_t> written;
        for (int entry : plan.request.data)
            written.push_back(static_cast<std::uint8_t>(entry & 0xFF));
        if (result.moduleImage != written)
            return "the module does not hold the image written";
    }
    return {};
}

bool parseSoakOptions(int argc, char** argv, SoakOptions& options) {
    options.seed = std::random_device{}();
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--verbose") {
            options.verbose = true;
            continue;
        }
        if ((argument == "--sessions" || argument == "--seed") && hasValue) {
            const std::string_view text = argv[++i];
            long long number = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), number);
            if (error != std::errc() || end != text.data() + text.size() || number < 0 ||
                number > 0xFFFFFFFFLL || (argument == "--sessions" && number == 0)) {
                std::fprintf(stderr, "'%s' is not a valid number for %s\n", argv[i], argv[i - 1]);
                return false;
            }
            if (argument == "--sessions")
                options.sessions = static_cast<int>(std::min(number, 1000000LL));
            else
                options.seed = static_cast<std::uint32_t>(number);
            continue;
        }
        std::fprintf(stderr, "usage: %s [--sessions N] [--seed S] [--verbose]\n", argv[0]);
        return false;
    }
    return true;
}

void SoakTally::count(const SessionPlan& plan, const SessionResult& result,
                      const std::string& verdict) {
    ++sessions;
    if (plan.stopAfter)
        ++stopped;
    else if (plan.fault == Fault::Silent && plan.request.operation == Op::Link)
        ++silentLinksToTheEnd;
    if (!result.outcome)
        ++hangs;
    else if (!verdict.empty())
        ++undefined;
    if (result.outcome) {
        switch (*result.outcome) {
        case ExchangeEnd::Succeeded:
            ++succeeded;
            break;
        case ExchangeEnd::Failed:
            ++failed;
            break;
        case ExchangeEnd::Stopped:
            ++stoppedEnds;
            break;
        case ExchangeEnd::LineFailed:
            ++lineFailed;
            break;
        }
    }
}

void SoakTally::print(const char* runner, std::uint32_t seed, double seconds) const {
    std::printf("fault soak (%s), seed %u: %d sessions in %.1f s, %d given a stop\n", runner, seed,
                sessions, seconds, stopped);
    std::printf("  links to a silent module left to run all ten attempts: %d\n",
                silentLinksToTheEnd);
    std::printf("  ends: %d succeeded, %d failed with their report, %d stopped, %d line failed\n",
                succeeded, failed, stoppedEnds, lineFailed);
    std::printf("  crashes: %d\n  hangs: %d\n  undefined ends: %d\n", crashes, hangs, undefined);
    std::printf("  leaks: %d workers, %d ports, %d descriptors left\n", workersLeft, portsLeft,
                descriptorsLeft);
}

bool SoakTally::clean() const {
    return crashes == 0 && hangs == 0 && undefined == 0 && lineFailed == 0 && workersLeft == 0 &&
           portsLeft == 0 && descriptorsLeft == 0;
}

int openDescriptorCount() {
    std::error_code error;
    int count = 0;
    for (std::filesystem::directory_iterator entry("/proc/self/fd", error), end;
         !error && entry != end; entry.increment(error))
        ++count;
    return count;
}

int runSoak(int argc, char** argv, const char* runner, const SessionRunner& runSession) {
    SoakOptions options;
    if (!parseSoakOptions(argc, argv, options))
        return 2;

    std::mt19937 random(options.seed);
    SoakTally tally;
    const int descriptorsBefore = openDescriptorCount();
    const auto start = std::chrono::steady_clock::now();
    for (int session = 1; session <= options.sessions; ++session) {
        const SessionPlan plan = planSession(random);
        SessionResult result;
        std::string verdict;
        try {
            verdict = runSession(plan, options, result, tally);
        } catch (const std::exception& error) {
            ++tally.crashes;
            verdict = std::string("exception: ") + error.what();
        }
        tally.count(plan, result, verdict);
        if (!verdict.empty() || options.verbose)
            std::printf("session %d: %s: %s\n", session, plan.describe().c_str(),
                        verdict.empty() ? "ok" : verdict.c_str());
    }
    tally.descriptorsLeft = openDescriptorCount() - descriptorsBefore;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    tally.print(runner, options.seed, took.count());
    return tally.clean() ? 0 : 1;
}

} // namespace pemrix::bench
