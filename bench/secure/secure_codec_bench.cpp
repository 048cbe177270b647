// Encoding and decoding the 64-cell image and parsing a configuration file's text:
// the work behind every read, write, save and load of the Orvel-416 window.

#include "image/expander_file.h"
#include "secure/secure_image.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pemrix::secure;

SecureConfig fullConfig() {
    SecureConfig config = decodeSecureConfig(secureFactoryImage());
    for (std::size_t k = 0; k < config.identifiers.size(); ++k) {
        config.identifiers[k] = {"0123456789A" + std::to_string(k), static_cast<std::uint8_t>(k)};
    }
    return config;
}

void EncodeImage(benchmark::State& state) {
    const SecureConfig config = fullConfig();
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeSecureConfig(config));
    }
}
BENCHMARK(EncodeImage);

void DecodeImage(benchmark::State& state) {
    const SecureConfigImage image = encodeSecureConfig(fullConfig());
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodeSecureConfig(image));
    }
}
BENCHMARK(DecodeImage);

void ParseFile(benchmark::State& state) {
    const std::string text = pemrix::image::expanderFileText(encodeSecureConfig(fullConfig()),
                                                             pemrix::link::ModuleKind::Secure);
    for (auto _ : state) {
        auto parsed = pemrix::image::parseExpanderFile(text, pemrix::link::ModuleKind::Secure);
        benchmark::DoNotOptimize(parsed);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ParseFile);

void FileText(benchmark::State& state) {
    const SecureConfigImage image = encodeSecureConfig(fullConfig());
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            pemrix::image::expanderFileText(image, pemrix::link::ModuleKind::Secure));
    }
}
BENCHMARK(FileText);

} // namespace

BENCHMARK_MAIN();
