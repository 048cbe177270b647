#pragma once
// What the fault soak runs and how it judges a session, free of any thread library:
// one session is one exchange against a fresh emulated module with a random fault,
// perhaps stopped (and its port closed) after a random delay. Every session must end
// in time, with the outcome the fault calls for, or stopped.

#include "emulator/emulator.h"
#include "link/exchange.h"
#include "tests/support/recording_target.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace pemrix::bench {

// The module windows' view of the reports: every call, as text, in order.
using RecordingWindow = ::pemrix::testing::RecordingTarget;

struct SessionPlan {
    emulator::EmulatorConfig module;
    link::ExchangeRequest request;
    std::optional<emulator::Fault> fault;
    // When set, the stop is asked for and the port closed this long after the start.
    std::optional<std::chrono::milliseconds> stopAfter;
    std::string describe() const;
};

// A random module, operation and fault. Stops come at random; a link to a silent
// module (ten attempts of 820 ms of time-outs each) is nearly always stopped early.
SessionPlan planSession(std::mt19937& random);

struct SessionResult {
    std::optional<link::ExchangeEnd> outcome; // none: the exchange did not end in time
    std::vector<std::string> calls;           // what the window saw
    std::vector<std::vector<int>> images;     // images delivered
    std::vector<std::uint8_t> moduleImage;    // what the module holds afterwards
};

// Empty when the session ended as it must; otherwise why not.
std::string judgeSession(const SessionPlan& plan, const SessionResult& result);

struct SoakOptions {
    int sessions = 1000;
    std::uint32_t seed = 0;
    std::chrono::milliseconds deadline{20'000};
    bool verbose = false;
};

// Reads --sessions N, --seed S, --verbose; false, with a message printed, on bad input.
bool parseSoakOptions(int argc, char** argv, SoakOptions& options);

struct SoakTally {
    int sessions = 0;
    int stopped = 0;             // sessions given a stop
    int silentLinksToTheEnd = 0; // links to a silent module left to run all ten attempts
    int succeeded = 0;
    int failed = 0;
    int stoppedEnds = 0;
    int lineFailed = 0;
    int crashes = 0;   // exceptions out of a session
    int hangs = 0;     // sessions that did not end in time
    int undefined = 0; // sessions that ended otherwise than they must
    int workersLeft = 0;
    int portsLeft = 0;
    int descriptorsLeft = 0;

    void count(const SessionPlan& plan, const SessionResult& result, const std::string& verdict);
    void print(const char* runner, std::uint32_t seed, double seconds) const;
    bool clean() const;
};

// Open file descriptors of this process.
int openDescriptorCount();

// Runs one session: empty when it ended as it must, otherwise why not.
using SessionRunner =
    std::function<std::string(const SessionPlan&, const SoakOptions&, SessionResult&, SoakTally&)>;

// The soak itself: reads the options, runs the sessions, prints the tally (`runner`
// names what ran them). Returns the program's exit code.
int runSoak(int argc, char** argv, const char* runner, const SessionRunner& runSession);

} // namespace pemrix::bench
