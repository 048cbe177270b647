#pragma once
// A byte trace that turns every event into one line of text (link/trace_text.h) and
// hands it on: to a file for pemrix-cli, to the journal window's buffer. The time of
// each line is taken here, on a steady clock, from the start of its exchange. Safe to
// share between threads: lines are made and handed on one at a time, in order.

#include "link/byte_trace.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <string>

namespace pemrix::link {

class TextTrace : public ByteTrace {
  public:
    // Called with each line (no line end), under the trace's lock: it must not block
    // for long, and must not call back into the trace.
    using LineSink = std::function<void(const std::string& line)>;
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit TextTrace(LineSink sink, Clock clock = &std::chrono::steady_clock::now);

    void exchangeBegan(ModuleKind moduleKind, Operation operation) override;
    void byte(Direction direction, std::uint8_t value, ByteRole role) override;
    void missing(Direction direction, ByteRole role, std::size_t count) override;
    void exchangeEnded(ExchangeEnd end) override;

  private:
    template <class MakeLine> void addLine(MakeLine makeLine);

    std::mutex mutex_;
    LineSink sink_;
    Clock clock_;
    std::chrono::steady_clock::time_point began_;
};

} // namespace pemrix::link
