// `pemrix-cli diff` of two relay files that differ in every relay's bindings, run in
// the process as the program runs it: reading both files, the field tables and the
// grouped text of every difference.

#include "cli/commands.h"
#include "modules/module_formats.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

class Discarded : public pemrix::cli::ResultOutput {
  public:
    std::optional<std::string> write(std::string_view text) override {
        benchmark::DoNotOptimize(text.data());
        return std::nullopt;
    }
};

std::filesystem::path relayFile(const char* name, int fill) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::vector<int> cells(66, fill);
    cells[55] = 0;
    cells[58] = 18;
    std::ofstream(path) << pemrix::modules::formatOf(pemrix::link::ReleModule)
                               ->fileText(cells, pemrix::link::ModuleKind::Rele8);
    return path;
}

void DiffTwoRelayFiles(benchmark::State& state) {
    const std::string a = relayFile("pemrix-bench-a.cfg", 0x00).string();
    const std::string b = relayFile("pemrix-bench-b.cfg", 0xFF).string();
    const pemrix::link::StopFlag stop;
    const std::vector<std::string_view> args{"diff", a, b};
    for (auto _ : state) {
        Discarded out;
        std::ostringstream err;
        const pemrix::cli::CommandContext context{out, err, stop, pemrix::cli::systemPortOpener()};
        if (pemrix::cli::runProgram(args, context) != 1)
            state.SkipWithError("the files should differ");
    }
    std::filesystem::remove(a);
    std::filesystem::remove(b);
}
BENCHMARK(DiffTwoRelayFiles)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
