#include "link/text_trace.h"

#include "link/trace_text.h"

#include <utility>

namespace pemrix::link {

TextTrace::TextTrace(LineSink sink, Clock clock)
    : sink_(std::move(sink)), clock_(std::move(clock)), began_(clock_()) {}

template <class MakeLine> void TextTrace::addLine(MakeLine makeLine) {
    const std::lock_guard lock(mutex_);
    sink_(makeLine(clock_() - began_));
}

void TextTrace::exchangeBegan(ModuleKind moduleKind, Operation operation) {
    const std::lock_guard lock(mutex_);
    began_ = clock_();
    sink_(exchangeHeadingLine(moduleKind, operation));
}

void TextTrace::byte(Direction direction, std::uint8_t value, ByteRole role) {
    addLine([&](TraceElapsed elapsed) { return byteTraceLine(elapsed, direction, value, role); });
}

void TextTrace::missing(Direction direction, ByteRole role, std::size_t count) {
    addLine(
        [&](TraceElapsed elapsed) { return missingTraceLine(elapsed, direction, role, count); });
}

void TextTrace::exchangeEnded(ExchangeEnd end) {
    addLine([&](TraceElapsed elapsed) { return exchangeEndLine(elapsed, end); });
}

} // namespace pemrix::link
