#pragma once
// What the engine tests share: a reporter that records every outcome, a rig that
// runs one exchange on a scripted port, and scripts of a well-behaved module.

#include "link/crc8.h"
#include "link/exchange.h"
#include "link/key_code.h"
#include "tests/link/scripted_port.h"

#include <functional>
#include <string>
#include <vector>

namespace pemrix::link::testing {

class RecordingReporter : public Reporter {
  public:
    void report(int code, int attemptNumber) override {
        record(code == ReportCode::LinkAttempt ? "report 7 attempt " + std::to_string(attemptNumber)
                                               : "report " + std::to_string(code));
    }
    void linkAnswered(ModuleKind kind) override {
        record("variant " + std::to_string(kindValue(kind)));
    }
    void linkUp() override { record("linkUp"); }
    void enableTransferButtons() override { record("buttons"); }
    void deliverImage(const std::vector<int>& image) override {
        images.push_back(image);
        record("image " + std::to_string(image.size()));
    }
    void deliverKey(std::uint64_t keyCode, int slot) override {
        record("key " + formatKeyCode(keyCode) + " slot " + std::to_string(slot));
    }
    // "line failed <operation>: <the port's reason>"
    void lineFailed(Operation operation, const PortError& error) override {
        record("line failed " + std::to_string(operationValue(operation)) + ": " +
               portErrorReason(error));
    }

    std::vector<std::string> events;
    std::vector<std::vector<int>> images;
    // Runs after an event is recorded, e.g. to request a stop at that moment.
    std::function<void(const std::string&)> onEvent;

  private:
    void record(std::string event) {
        events.push_back(event);
        if (onEvent)
            onEvent(event);
    }
};

struct ExchangeRig {
    ScriptedPort port;
    RecordingReporter reporter;
    StopFlag stop;
    ByteTrace* trace = nullptr; // every byte of the run, when set

    // Runs with the production waits, which the scripted port records instead of
    // sleeping.
    ExchangeEnd run(ModuleKind moduleKind, Operation operation, std::vector<int> data = {}) {
        Exchange exchange(port, {moduleKind, operation, std::move(data)}, reporter, stop, Timing{},
                          port.sleeper());
        exchange.setTrace(trace);
        return exchange.run();
    }
    ScriptedPort::Action stopAction() {
        return [this] { stop.request(); };
    }
};

inline std::vector<std::uint8_t> bytesOf(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

inline std::vector<std::uint8_t> withCrc(std::vector<std::uint8_t> bytes) {
    bytes.push_back(crc8(bytes));
    return bytes;
}

// AA AA, the image's low bytes, CRC: built here from the CRC alone, independent of
// the engine's own frame code.
inline std::vector<std::uint8_t> imageFrame(const std::vector<int>& image) {
    std::vector<std::uint8_t> frame{0xAA, 0xAA};
    for (int v : image)
        frame.push_back(static_cast<std::uint8_t>(v));
    return withCrc(std::move(frame));
}

inline std::vector<int> countingImage(int size) {
    std::vector<int> image;
    for (int i = 0; i < size; ++i)
        image.push_back((i * 37 + 11) & 0xFF);
    return image;
}

// Module scripts, in the order the engine reads.
inline void attemptWithoutAnswer(ScriptedPort& port) {
    port.echo().nothing();
}
inline void attemptAnswered(ScriptedPort& port, std::vector<std::uint8_t> answer) {
    port.echo().serve(std::move(answer));
}
// The four header bytes echoed, then the acknowledgement.
inline void headerAnswered(ScriptedPort& port, std::uint8_t acknowledgement = 0x00) {
    port.echo(4).serve({acknowledgement});
}

} // namespace pemrix::link::testing
