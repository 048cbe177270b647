// Start-up: from starting the program to its main window painted for the first time,
// on the offscreen platform. The program reports the first paint through the
// descriptor named in PEMRIX_STARTUP_PROBE_FD and ends; the time until it has ended
// is shown as well. Run with --benchmark_repetitions=20 for the median of 20 starts
// (the default here).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    bool ok = false;
    double shownSeconds = 0;
    double endedSeconds = 0;
    std::string error;
};

// Settings of the started programs go to a folder of their own.
std::string settingsFolder() {
    static const std::string folder = [] {
        std::string pattern = "/tmp/pemrix-startup-XXXXXX";
        return ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string("/tmp");
    }();
    return folder;
}

Run startOnce(bool english) {
    Run run;
    int probe[2];
    if (::pipe(probe) != 0) {
        run.error = "no pipe";
        return run;
    }
    ::fcntl(probe[0], F_SETFD, FD_CLOEXEC);

    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("QT_QPA_PLATFORM=", 0) != 0 && text.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
            text.rfind("PEMRIX_STARTUP_PROBE_FD=", 0) != 0)
            env.push_back(text);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("XDG_CONFIG_HOME=" + settingsFolder());
    env.push_back("PEMRIX_STARTUP_PROBE_FD=" + std::to_string(probe[1]));
    std::vector<char*> envp;
    for (std::string& text : env)
        envp.push_back(text.data());
    envp.push_back(nullptr);

    std::string program = PEMRIX_PROGRAM;
    std::string option = "--lang";
    std::string language = english ? "en" : "ru";
    char* argv[] = {program.data(), option.data(), language.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The program's chatter would only disturb the timing on a terminal.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(probe[1]);
    if (spawned != 0) {
        ::close(probe[0]);
        run.error = "cannot start " + program;
        return run;
    }

    pollfd ready{probe[0], POLLIN, 0};
    char byte = 0;
    if (::poll(&ready, 1, 20000) == 1 && ::read(probe[0], &byte, 1) == 1) {
        run.shownSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        run.ok = true;
    } else {
        run.error = "the window never showed";
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.endedSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    ::close(probe[0]);
    return run;
}

// The argument: 1 for the English catalog, 0 for Russian as written.
void StartupToMainWindowShown(benchmark::State& state) {
    double ended = 0;
    for (auto _ : state) {
        const Run run = startOnce(state.range(0) == 1);
        if (!run.ok) {
            state.SkipWithError(run.error.c_str());
            return;
        }
        state.SetIterationTime(run.shownSeconds);
        ended += run.endedSeconds;
    }
    state.counters["ended_ms"] = benchmark::Counter(ended * 1000 / state.iterations());
}

BENCHMARK(StartupToMainWindowShown)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
